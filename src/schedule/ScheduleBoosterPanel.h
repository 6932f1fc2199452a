#pragma once
// The booster's fields under the schedule window's header, shown only while a booster set feeds
// the tree: one field for each of its numbers, in the window's units, each finished edit handed
// to the model as one undoable change; a value out of the file's range goes back to the model's.

#include "ScheduleBoosterFields.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class TScheduleModel;

class TScheduleBoosterPanel : public QWidget {
    Q_OBJECT

public:
    explicit TScheduleBoosterPanel(TScheduleModel& model, QWidget* parent = nullptr);

signals:
    // Persian: why a typed value was refused.
    void editRefused(const QString& reason);

private:
    struct TField {
        const TBoosterNumber* Number = nullptr;
        QLineEdit* Edit = nullptr;
        QLabel* Unit = nullptr;
        QString Shown;
    };

    void showBooster();
    void edited(TField& field);

    TScheduleModel& FModel;
    std::vector<TField> FFields;
};
