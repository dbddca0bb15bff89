#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "engine_test_support.h"
#include "platform/updater/dialogs/qt_update_dialogs.h"
#include "test_signing.h"

namespace horalet::platform::updater::engine {
namespace {

// Markup a hostile feed or server would slip into a dialog: a red heading
// and a link that would run a download.
constexpr char kHeading[] = "<h2 style=\"color:red\">Horalet 安全警告</h2>";
constexpr char kLink[] = "<a href=\"http://127.0.0.1/fix.sh\">立即下载并运行修复程序</a>";

QMessageBox* openBox()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(widget); box != nullptr && box->isVisible()) {
            return box;
        }
    }
    return nullptr;
}

// Every label plain, no link live; returns what the labels say.
QString plainTextOf(QMessageBox& box)
{
    QString shown;
    for (const QLabel* label : box.findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        EXPECT_FALSE(label->openExternalLinks()) << label->objectName().toStdString();
        EXPECT_FALSE(label->textInteractionFlags() & Qt::LinksAccessibleByMouse) << label->objectName().toStdString();
        shown += label->text() + u'\n';
    }
    return shown;
}

class PlainTextDialogs : public ::testing::Test, public testing::EngineFixture {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    EngineConfig qtConfig()
    {
        EngineConfig config = this->config();
        config.makeDialogs = makeQtUpdateDialogs;
        return config;
    }

    // Runs a check the user asked for and returns the box it opens.
    QMessageBox* checkAndWaitForABox(EngineUpdater& engine)
    {
        engine.checkForUpdatesWithDialogs();
        EXPECT_TRUE(QTest::qWaitFor([] { return openBox() != nullptr; }, 10000));
        return openBox();
    }
};

TEST_F(PlainTextDialogs, AnHtmlVersionInTheFeedIsShownAsItsText)
{
    const QString hostile = QStringLiteral("9.9 ") + QString::fromUtf8(kHeading) + QString::fromUtf8(kLink);
    const std::string escaped = hostile.toHtmlEscaped().toStdString();
    const std::string package = testing::makePackage("9.9");
    publish({{.version = "9.9", .displayVersion = escaped, .signedBytes = package}});
    const auto engine = makeEngine(qtConfig());
    ASSERT_EQ(engine->startUpdater(), std::nullopt);

    QMessageBox* box = checkAndWaitForABox(*engine);
    ASSERT_NE(box, nullptr);

    EXPECT_TRUE(plainTextOf(*box).contains(hostile));
    box->reject();
}

TEST_F(PlainTextDialogs, AnHtmlReasonPhraseFromTheServerIsShownAsItsText)
{
    // Qt reads a reason phrase as Latin-1, so the markup here is ASCII.
    const QByteArray reason = "<h2 style=\"color:red\">Horalet security warning</h2>"
                              "<a href=\"http://127.0.0.1/fix.sh\">run the fix now</a>";
    server.serve("/appcast.xml", {500, "oops", {}, std::nullopt, reason});
    const auto engine = makeEngine(qtConfig());
    ASSERT_EQ(engine->startUpdater(), std::nullopt);

    QMessageBox* box = checkAndWaitForABox(*engine);
    ASSERT_NE(box, nullptr);

    const QString shown = plainTextOf(*box);
    EXPECT_TRUE(shown.contains(QStringLiteral("无法读取更新源。"))) << shown.toStdString();
    EXPECT_TRUE(shown.contains(QString::fromLatin1(reason))) << shown.toStdString();
    box->reject();
}

} // namespace
} // namespace horalet::platform::updater::engine
