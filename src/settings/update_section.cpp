#include "settings/settings_view.h"

#include "settings/package_host.h"

namespace horalet {

using namespace platform::ui;

namespace {

// The host comes from the build: the release host, or the host of the feed
// a build was made with.
std::string packageNote()
{
    return std::string("。更新包托管于") + build::kPackageHost + "，经 Ed25519 签名验证后替换。";
}

// Once an update is ready it can be installed at once; until then the
// user may ask for a check whenever the updater can begin one.
Node installOrCheckButton(AppUpdates* model)
{
    if (const std::optional<std::string>& ready = model->readyVersion.get()) {
        return button(
            Label::translatable("重启并安装 " + *ready), [model] { model->installReadyUpdate(); },
            ButtonStyle::borderedProminent);
    }
    return button("检查更新", [model] { model->check(); }).disabled(!model->canCheck.get());
}

} // namespace

// Everything here comes from the update model and every control calls one
// of its commands. The toggles show the model's mirrors of the updater's
// settings and never write them: the new value arrives through the model.
Node SettingsView::updateSection() const
{
    AppUpdates* model = &updates.model();
    Binding<bool> automaticChecks(
        [model] { return model->automatic.get(); }, [model](bool on) { model->setAutomatic(on); });
    Binding<bool> backgroundDownloads(
        [model] { return model->autoDownload.get(); }, [model](bool on) { model->setAutoDownload(on); });

    return section("软件更新",
        hstack(text("当前版本"), spacer(),
            text(Label::translatable("v" + model->version())).foregroundStyle(Foreground::secondary),
            installOrCheckButton(model)),
        toggle("自动检查新版本", std::move(automaticChecks)),
        toggle("自动在后台下载新版本", std::move(backgroundDownloads)).disabled(!model->automatic.get()),
        text(Label::verbatim(model->status.get() + packageNote()))
            .font(Font::caption())
            .foregroundStyle(Foreground::secondary));
}

} // namespace horalet
