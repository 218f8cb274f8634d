#pragma once

#include <QByteArray>
#include <QString>

#include <string>

class QFile;

namespace tavenor {

// Qt's floor for the history box's memory: a bare QPlainTextEdit, laid out like the history box,
// that receives the same history text in the same steps. The soak records each step; a second
// process replays them, so that neither run's memory counts in the other's.
void RecordHistoryStep(QFile& record, const std::string& history);
// Where the growth is measured from.
void RecordSamplePoint(QFile& record);

struct FloorFigures {
    double growthKiB = 0;
    int lines = 0;
    double heapGrowthKiB = 0;
};

// Replays the steps in record into the floor box and prints its figures; the exit code.
int RunFloor(const QString& record);
FloorFigures ParseFloorFigures(const QByteArray& printed);

} // namespace tavenor
