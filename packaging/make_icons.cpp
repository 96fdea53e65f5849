// SPDX-License-Identifier: MIT
// Writes the program's icon as hicolor PNGs: make_icons <output directory> <application id>.
#include "windows/common/AppIcon.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons <output directory> <application id>\n");
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString iconName = QString::fromLocal8Bit(argv[2]) + QStringLiteral(".png");
    for (int size : {32, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        if (!output.mkpath(folder))
            return 1;
        const QString file = output.filePath(folder + QLatin1Char('/') + iconName);
        if (!form::paintApplicationIcon(size).save(file, "PNG"))
            return 1;
    }
    return 0;
}
