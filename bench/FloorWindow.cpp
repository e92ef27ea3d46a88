// The floor of the game's processor time, its window half: the least a Qt
// program does that shows a play window and moves one 40 x 40 label every
// 51 ms on a precise timer, with the event dispatcher the game uses.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

namespace {

constexpr int kWidth = 577;
constexpr int kHeight = 409;
constexpr int kLabelSide = 40;
constexpr int kTickMs = 51;
constexpr int kStepPixels = 3;

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(kWidth, kHeight);
    window.setWindowTitle(QStringLiteral("floor"));
    QLabel label(QStringLiteral("■"), &window);
    label.setGeometry(0, kHeight / 2, kLabelSide, kLabelSide);
    label.setAutoFillBackground(true);
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        label.move((label.x() + kStepPixels) % (kWidth - kLabelSide), label.y());
    });
    timer.start(kTickMs);
    window.show();
    return QApplication::exec();
}
