#pragma once

// The desktop shell's services, reached through the platform seam.
namespace horalet::platform::shell {

class Alerts;
class Application;
class Fonts;
class LoginItemService;
class RunLoop;
class StatusBar;
class Windows;

struct ShellServices {
    Application* application = nullptr;
    StatusBar* statusBar = nullptr;
    RunLoop* mainRunLoop = nullptr;
    Fonts* fonts = nullptr;
    Windows* windows = nullptr;
    Alerts* alerts = nullptr;
    LoginItemService* loginItems = nullptr;
};

Application& application();
StatusBar& statusBar();
RunLoop& mainRunLoop();
Fonts& fonts();
Windows& windows();
Alerts& alerts();
LoginItemService& loginItems();

} // namespace horalet::platform::shell
