#include "platform/qt/QtMessageBoxes.h"

#include "platform/Clock.h"
#include "trace/BoxEvents.h"
#include "trace/Trace.h"
#include "platform/qt/Guarded.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zol::qt {

namespace {

QMessageBox* makeBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                     QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, caption, text, buttons, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok);
    return box;
}

} // namespace

void QtMessageBoxes::open(const MessageBox& request, std::function<void(int)> answered) {
    const bool okCancel = request.buttons == BoxButtons::OkCancel;
    QMessageBox* box = makeBox(QString::fromStdString(request.text), QString::fromStdString(request.caption),
                               request.icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                               okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    ++openCount_;
    if (trace_.enabled()) trace_.write(msgboxEvent(clock_.nowMs(), request));
    QObject::connect(box, &QMessageBox::finished, [this, box, answered = std::move(answered)](int) {
        // Closing the box, or Escape, counts as Cancel.
        const int answer = box->clickedButton() == box->button(QMessageBox::Ok) ? kAnswerOk : kAnswerCancel;
        --openCount_;
        if (trace_.enabled()) trace_.write(answerEvent(clock_.nowMs(), answer));
        guarded([&] { answered(answer); });
        if (!isOpen()) closed_();
    });
    box->show();
}

void QtMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    QMessageBox* box = makeBox(QString::fromStdString(text), QStringLiteral("ゾルバス"), QMessageBox::Warning,
                               QMessageBox::Ok);
    ++openCount_;
    QObject::connect(box, &QMessageBox::finished, [this, then = std::move(then)](int) {
        --openCount_;
        guarded(then);
        if (!isOpen()) closed_();
    });
    box->show();
}

} // namespace zol::qt
