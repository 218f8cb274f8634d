#include "tests/soak/floor_box.h"

#include "codec/gb18030_codec.h"
#include "tests/support/resident_memory.h"

#include <QDataStream>
#include <QFile>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QTextCursor>

#include <cstdio>

namespace tavenor {

void RecordHistoryStep(QFile& record, const std::string& history)
{
    QDataStream out(&record);
    out << QByteArray::fromStdString(history);
}

// No step adds nothing, so an empty one marks the point.
void RecordSamplePoint(QFile& record) { RecordHistoryStep(record, {}); }

int RunFloor(const QString& record)
{
    QFile steps(record);
    if (!steps.open(QIODevice::ReadOnly))
        return 1;
    // The history box's text area (64 x 328 less its border and padding), wrapping and undo;
    // nothing else of the window.
    QPlainTextEdit box(QStringLiteral("历史..."));
    box.setFrameStyle(QFrame::NoFrame);
    box.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box.document()->setDocumentMargin(0);
    box.resize(58, 322);
    box.setWordWrapMode(QTextOption::WrapAnywhere);
    box.document()->setUndoRedoEnabled(false);
    box.setReadOnly(true);
    box.show();
    if (!QTest::qWaitForWindowExposed(&box))
        return 1;
    int linesAtStart = 0;
    double memoryAtStart = 0;
    double heapAtStart = 0;
    QDataStream in(&steps);
    while (!in.atEnd()) {
        QByteArray history;
        in >> history;
        if (history.isEmpty()) {
            linesAtStart = box.document()->blockCount();
            memoryAtStart = testing::ResidentKiB();
            heapAtStart = testing::HeapInUseKiB();
            continue;
        }
        QTextCursor end(box.document());
        end.movePosition(QTextCursor::End);
        end.insertText(
            FromGb18030(std::string_view(history.constData(), std::size_t(history.size()))));
        // Showing the newest lines, as the history box does, lays them out and draws them.
        box.verticalScrollBar()->setValue(box.verticalScrollBar()->maximum());
        QCoreApplication::processEvents();
    }
    std::printf("%.0f %d %.0f\n", testing::ResidentKiB() - memoryAtStart,
                box.document()->blockCount() - linesAtStart, testing::HeapInUseKiB() - heapAtStart);
    return 0;
}

FloorFigures ParseFloorFigures(const QByteArray& printed)
{
    const QList<QByteArray> fields = printed.trimmed().split(' ');
    if (fields.size() != 3)
        return {};
    return {fields[0].toDouble(), fields[1].toInt(), fields[2].toDouble()};
}

} // namespace tavenor
