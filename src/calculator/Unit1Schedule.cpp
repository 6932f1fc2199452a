// The calculator's way to the schedule window, which belongs to another library: the button and
// Ctrl+T ask for it, and a project file dropped anywhere on the calculator is handed on.
#include "Unit1.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

namespace {

const QString kProjectSuffix = QStringLiteral(".keldaran");

// The first project file among the dragged files; empty when there is none.
QString droppedProject(const QMimeData* mime)
{
    if (mime == nullptr)
        return {};
    for (const QUrl& url : mime->urls())
        if (url.isLocalFile() && url.toLocalFile().endsWith(kProjectSuffix, Qt::CaseInsensitive))
            return url.toLocalFile();
    return {};
}

} // namespace

void TForm1::BtnScheduleClick() { emit scheduleRequested(); }

bool TForm1::isProjectDrag(const QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return !droppedProject(static_cast<const QDropEvent*>(event)->mimeData()).isEmpty();
    default: return false;
    }
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedProject(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = droppedProject(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    emit projectDropped(path);
}
