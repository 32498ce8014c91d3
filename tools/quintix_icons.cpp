// quintix-icons DIR: writes the program's icon as PNG files of the hicolor theme's sizes,
// DIR/SIZExSIZE/apps/quintix.png, for installing beside the scalable icon.
#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

#include "ui/app_icon.h"

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: quintix-icons DIR\n";
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QString("%1x%1/apps").arg(size);
        if (!root.mkpath(folder) ||
            !quintix::AppIconPixmap(size).save(root.filePath(folder + "/quintix.png"))) {
            QTextStream(stderr) << "quintix-icons: cannot write " << root.filePath(folder) << '\n';
            return 1;
        }
    }
    return 0;
}
