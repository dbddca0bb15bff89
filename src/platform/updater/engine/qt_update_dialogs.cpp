#include <QMessageBox>
#include <QPushButton>
#include <QTextDocumentFragment>

#include "platform/updater/engine/update_dialogs.h"

namespace horalet::platform::updater::engine {

namespace {

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

// Release notes are shown as plain text; markup in them is reduced to its
// text and never rendered.
QString plainNotes(const std::string& notes)
{
    const QString raw = text(notes);
    return Qt::mightBeRichText(raw) ? QTextDocumentFragment::fromHtml(raw).toPlainText() : raw;
}

QMessageBox* makeBox(QMessageBox::Icon icon, const QString& title, const QString& informative)
{
    auto* box = new QMessageBox(icon, QStringLiteral("软件更新"), title);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    box->setInformativeText(informative);
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
            box->setDetailedText(plainNotes(update.releaseNotes));
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
