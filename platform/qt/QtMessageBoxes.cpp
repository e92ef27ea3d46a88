#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace zol::qt {

bool QtMessageBoxes::isOpen() const { return bookkeeping_.anyOpen(); }

namespace {

QMessageBox* makeBox(const BoxRequest& request) {
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
    return box;
}

} // namespace

// The box is made before the request is traced: whoever reads the trace
// finds the box about to show, not still being built.
void QtMessageBoxes::open(const BoxRequest& box, std::function<void(int)> answered) {
    QMessageBox* shown = makeBox(box);
    show(shown, bookkeeping_.request(box, std::move(answered)));
}

void QtMessageBoxes::warn(const std::string& text, std::function<void()> then) {
    PendingBox pending = bookkeeping_.warning(text, std::move(then));
    QMessageBox* shown = makeBox(pending.box);
    show(shown, std::move(pending));
}

void QtMessageBoxes::answerFront(bool defaultButton) {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (QAbstractButton* button = defaultButton ? box->defaultButton() : box->escapeButton()) button->click();
}

void QtMessageBoxes::show(QMessageBox* box, PendingBox pending) {
    QObject::connect(box, &QMessageBox::finished, [this, box, pending = std::move(pending)](int) mutable {
        bookkeeping_.answer(std::move(pending), box->clickedButton() == box->button(QMessageBox::Ok));
    });
    box->show();
}

} // namespace zol::qt
