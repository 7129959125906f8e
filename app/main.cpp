// Ritmolis: a calculator for the 555 timer wired as an astable multivibrator.
#include <QApplication>

#include "window/form1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(ritmolis::kProgramTitle));
    QApplication::setApplicationVersion(QStringLiteral(RITMOLIS_VERSION_TEXT));
    ritmolis::Form1 form;
    form.show();
    return QApplication::exec();
}
