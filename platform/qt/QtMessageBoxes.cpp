#include "platform/qt/QtMessageBoxes.h"

#include "platform/Clock.h"
#include "platform/TimerHold.h"
#include "shell/HandlerGuard.h"
#include "trace/BoxEvents.h"
#include "trace/Trace.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace zol::qt {

namespace {

constexpr const char* kWarningCaption = "ゾルバス";

QMessageBox* makeBox(const QString& text, const QString& caption, QMessageBox::Icon icon,
                     QMessageBox::StandardButtons buttons) {
    auto* box = new QMessageBox(icon, caption, text, buttons, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel : QMessageBox::Ok);
    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel))
        cancel->setText(QString::fromUtf8(kCancelButtonText));
    return box;
}

} // namespace

bool QtMessageBoxes::isOpen() const { return hold_.boxOpen(); }

void QtMessageBoxes::open(const MessageBox& request, std::function<void(int)> answered) {
    const bool okCancel = request.buttons == BoxButtons::OkCancel;
    QMessageBox* box = makeBox(QString::fromStdString(request.text), QString::fromStdString(request.caption),
                               request.icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                               okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok);
    hold_.boxOpened();
    if (trace_.enabled()) trace_.write(msgboxEvent(clock_.nowMs(), request));
    const BoxButtons buttons = request.buttons;
    QObject::connect(box, &QMessageBox::finished, [this, box, buttons, answered = std::move(answered)](int) {
        const int answer = boxAnswer(buttons, box->clickedButton() == box->button(QMessageBox::Ok));
        if (trace_.enabled()) trace_.write(answerEvent(clock_.nowMs(), answer));
        guard_.run([&] { answered(answer); });
        hold_.boxClosed();
    });
    box->show();
}

void QtMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    QMessageBox* box = makeBox(QString::fromStdString(text), QString::fromUtf8(kWarningCaption),
                               QMessageBox::Warning, QMessageBox::Ok);
    hold_.boxOpened();
    QObject::connect(box, &QMessageBox::finished, [this, then = std::move(then)](int) {
        guard_.run(then);
        hold_.boxClosed();
    });
    box->show();
}

} // namespace zol::qt
