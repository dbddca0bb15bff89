#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include "platform/updater/dialogs/qt_update_dialogs.h"

namespace horalet::platform::updater::engine {

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// Every text in these boxes may come from the feed, the server or the
// network layer, so every label shows plain text, with no links: a
// QMessageBox guesses the format of its informative text and opens links
// in its main text unless told otherwise. The detailed text (the release
// notes) is always plain.
void showAsPlainText(QMessageBox& box)
{
    for (QLabel* label : box.findChildren<QLabel*>()) {
        label->setTextFormat(Qt::PlainText);
        label->setOpenExternalLinks(false);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

QMessageBox* makeBox(QMessageBox::Icon icon, const QString& title, const QString& informative)
{
    auto* box = new QMessageBox(icon, QStringLiteral("软件更新"), title);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(informative);
    showAsPlainText(*box);
    return box;
}

class QtUpdateDialogs final : public UpdateDialogs {
public:
    void showUpToDate(const std::string& currentVersion) override
    {
        QMessageBox* box = makeBox(QMessageBox::Information, QStringLiteral("当前已是最新版本"),
            QStringLiteral("Horalet %1 是目前的最新版本。").arg(text(currentVersion)));
        box->setStandardButtons(QMessageBox::Ok);
        box->open();
    }

    void offerUpdate(const AppcastEntry& update, const std::string& currentVersion,
        std::function<void(bool installNow)> answer) override
    {
        QString informative
            = QStringLiteral("当前版本为 %1。新版本经 Ed25519 签名验证后替换，安装后 Horalet 会自动重新打开。")
                  .arg(text(currentVersion));
        if (update.critical) {
            informative.prepend(QStringLiteral("这是一个重要更新。"));
        }
        QMessageBox* box = makeBox(
            QMessageBox::Question, QStringLiteral("发现新版本 %1").arg(text(update.displayVersion)), informative);
        if (!update.releaseNotes.empty()) {
            box->setDetailedText(text(update.releaseNotes));
        }
        QPushButton* installNow = box->addButton(QStringLiteral("立即安装"), QMessageBox::AcceptRole);
        box->addButton(QStringLiteral("以后再说"), QMessageBox::RejectRole);
        box->setDefaultButton(installNow);
        QObject::connect(box, &QMessageBox::finished, box,
            [box, installNow, answer = std::move(answer)] { answer(box->clickedButton() == installNow); });
        box->open();
    }

    void showFailure(const UpdaterError& error) override
    {
        QMessageBox* box
            = makeBox(QMessageBox::Warning, QStringLiteral("暂时无法完成更新"), text(error.localizedDescription));
        box->setStandardButtons(QMessageBox::Ok);
        box->open();
    }
};

} // namespace

std::unique_ptr<UpdateDialogs> makeQtUpdateDialogs()
{
    return std::make_unique<QtUpdateDialogs>();
}

} // namespace horalet::platform::updater::engine
