#include "clock/zone_choice.h"
#include "command_line_fixture.h"
#include "support/fake_platform.h"

namespace horalet::cli {
namespace {

std::string lines(const std::vector<TZItem>& items)
{
    std::string text;
    for (const TZItem& item : items) {
        text += item.title + "\n";
    }
    return text;
}

TEST_F(CommandLineTest, ZonesPrintsTheFilteredTitlesForTheStoredZone)
{
    const CommandResult whole = run({"zones"});
    EXPECT_EQ(whole.status, 0);

    EXPECT_EQ(whole.out, lines(TZList::all()));
    EXPECT_EQ(run({"zones", "  NEW_york "}).out, lines(ZoneChoice::filteredZones("new_york", "")));
    EXPECT_EQ(run({"zones", "纽约"}).out, lines(ZoneChoice::filteredZones("纽约", "")));
    EXPECT_EQ(run({"zones", "xyzzy"}).out, "");

    ASSERT_EQ(run({"defaults", "write", "timeZone", "Asia/Tokyo"}).status, 0);
    const CommandResult kept = run({"zones", "xyzzy"});
    EXPECT_EQ(kept.status, 0);
    EXPECT_EQ(kept.out, lines(ZoneChoice::filteredZones("xyzzy", "Asia/Tokyo")));
    EXPECT_TRUE(kept.out.starts_with("Asia/Tokyo · ")) << kept.out;
    EXPECT_EQ(std::count(kept.out.begin(), kept.out.end(), '\n'), 1);
}

} // namespace
} // namespace horalet::cli
