// Ritmolis: a calculator for the 555 timer wired as an astable multivibrator.
#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ritmolis::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(RITMOLIS_VERSION_TEXT));
    // The desktop entry's name: on Wayland it is the window's app id, by which
    // the desktop finds the program's icon and menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("ritmolis"));
    ritmolis::Form1Window form;
    form.show();
    return QApplication::exec();
}
