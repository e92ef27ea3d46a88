// The yardstick of start-up: the smallest Qt 6 program that shows a window
// with one label in the game's Japanese font.
#include <QApplication>
#include <QFont>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("ゾルバス"));
    label.setFont(QFont(QStringLiteral("IPAPGothic"), 36));
    label.setWindowTitle(QStringLiteral("minimal"));
    label.show();
    return QApplication::exec();
}
