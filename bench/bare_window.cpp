// The toolkit's floor for the start-up benchmark: an empty Qt window of the
// program's size; built a second time with one label (WITH_LABEL), the floor of
// a window that shows any text at all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(430, 239);
#ifdef WITH_LABEL
    new QLabel(QStringLiteral("R1"), &window);
#endif
    window.show();
    return QApplication::exec();
}
