// Measures what one redraw of the settings window costs on Qt's offscreen
// platform: the description alone, the description drawn into the kept
// widgets, the same followed by Qt's layout pass, the preview's tick, and
// for comparison the painting of the whole window.
// Usage: horalet_settings_redraw_cost [ROUNDS]

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "clock/settings_keys.h"
#include "platform/qt/settings_window/form_host.h"
#include "platform/qt/settings_window/timeline_widget.h"
#include "settings_window/settings_window_rig.h"

namespace {

using horalet::testing::SettingsWindowRig;

// Median and worst time of one round, in microseconds.
void measure(const char* what, int rounds, const std::function<void(int)>& round)
{
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(rounds));
    for (int index = 0; index < rounds; ++index) {
        const auto start = std::chrono::steady_clock::now();
        round(index);
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%-58s median %8.1f us   p95 %8.1f us   max %8.1f us\n", what, micros[micros.size() / 2],
        micros[micros.size() * 95 / 100], micros.back());
}

void measureState(SettingsWindowRig& rig, const char* state, int rounds)
{
    auto* host = rig.widget().findChild<horalet::platform::qt::FormHost*>();
    auto* timeline = rig.widget().findChild<horalet::platform::qt::TimelineWidget*>();
    std::printf("%s\n", state);
    measure("  description (body)", rounds, [&](int) { (void)rig.view->body(); });
    measure("  redraw: description + widgets brought up to date", rounds, [&](int) { host->redraw(); });
    measure("  redraw + Qt's layout and events", rounds, [&](int) {
        host->redraw();
        QCoreApplication::processEvents();
    });
    measure("  preview tick", rounds, [&](int) { timeline->tick(); });
    measure("  painting the whole window (grab)", rounds / 10 + 1, [&](int) { (void)rig.widget().grab(); });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    SettingsWindowRig rig;
    rig.open();
    measureState(rig, "default form", rounds);

    rig.platform.store.setString(horalet::K::tz, "Asia/Tokyo");
    rig.settle();
    measureState(rig, "zone chosen (the picker lists every zone)", rounds);

    auto* host = rig.widget().findChild<horalet::platform::qt::FormHost*>();
    std::printf("rows appearing and going\n");
    measure("  custom format switched, then redraw + layout", rounds, [&](int index) {
        rig.platform.store.setBool(horalet::K::useCustom, index % 2 == 0);
        host->redraw();
        QCoreApplication::processEvents();
    });
    return 0;
}
