// The program's icon from the resource ":/icons/hicolor/<size>/apps/korvant.png", every size the
// build rendered from packaging/korvant.svg.
#include "ui/logo.h"

#include <QDir>

namespace korvant::ui {

QIcon ProgramIcon()
{
    QIcon icon;
    const QDir sizes(QStringLiteral(":/icons/hicolor"));
    for (const QString& size : sizes.entryList(QDir::Dirs))
        icon.addFile(sizes.filePath(size + QStringLiteral("/apps/korvant.png")));
    return icon;
}

} // namespace korvant::ui
