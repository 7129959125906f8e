// Saves a picture of an X11 window: grab_window WINDOW-ID FILE.png
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) return 2;
    const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(args[1].toULongLong());
    return !picture.isNull() && picture.save(args[2]) ? 0 : 1;
}
