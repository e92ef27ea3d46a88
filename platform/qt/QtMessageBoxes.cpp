#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace zol::qt {

bool QtMessageBoxes::isOpen() const { return bookkeeping_.anyOpen(); }

void QtMessageBoxes::open(const BoxRequest& box, std::function<void(int)> answered) {
    show(bookkeeping_.request(box, std::move(answered)));
}

void QtMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    show(bookkeeping_.warning(text, std::move(then)));
}

void QtMessageBoxes::show(PendingBox pending) {
    const BoxRequest& request = pending.box;
    const bool okCancel = request.buttons == BoxButtons::OkCancel;
    auto* box = new QMessageBox(request.icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon,
                                QString::fromStdString(request.caption), QString::fromStdString(request.text),
                                okCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                                QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->setDefaultButton(QMessageBox::Ok);
    box->setEscapeButton(okCancel ? QMessageBox::Cancel : QMessageBox::Ok);
    if (QAbstractButton* cancel = box->button(QMessageBox::Cancel))
        cancel->setText(QString::fromUtf8(kCancelButtonText));
    QObject::connect(box, &QMessageBox::finished, [this, box, pending = std::move(pending)](int) mutable {
        bookkeeping_.answer(std::move(pending), box->clickedButton() == box->button(QMessageBox::Ok));
    });
    box->show();
}

} // namespace zol::qt
