#pragma once
// The schedule window's header: the project's title, the pipe (a galvanized class or a computed
// material), the supply system, the pressure budget's four members each with a unit box, the two
// velocity limits, the water's temperature and the switch between US and SI units. It shows the model's header and
// hands each finished edit to the model as one undoable change; a field the model refuses goes back to the model's
// value.

#include "ScheduleHeaderFields.h"

#include <QWidget>

#include <vector>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class TScheduleModel;

class TScheduleHeaderPanel : public QWidget {
    Q_OBJECT

public:
    explicit TScheduleHeaderPanel(TScheduleModel& model, QWidget* parent = nullptr);

signals:
    // Persian: why a typed value was refused.
    void editRefused(const QString& reason);

private:
    struct TNumberField {
        const THeaderNumber* Number = nullptr;
        QLineEdit* Edit = nullptr;
        QComboBox* Unit = nullptr;   // null for a velocity: its unit is the project's
        QLabel* UnitLabel = nullptr; // a velocity's unit
        QString Shown;               // what the field showed last, to tell an edit from none
    };

    void addMaterialBox();
    void addTemperatureRow(QGridLayout* grid, int row);
    void addNumberField(const THeaderNumber& number, QGridLayout* grid, int row, int column);
    void showHeader();
    void showNumber(TNumberField& field);
    void numberEdited(TNumberField& field);
    void showTemperature();
    void temperatureEdited();
    void titleEdited();
    void unitsChosen(Project::TUnits units);

    TScheduleModel& FModel;
    QLineEdit* FTitle = nullptr;
    QComboBox* FMaterial = nullptr; // the galvanized classes, then the computed materials
    QLineEdit* FTemperature = nullptr;
    QCheckBox* FHotWater = nullptr;
    QString FTemperatureShown;
    QComboBox* FSupply = nullptr;
    QRadioButton* FUnitsUS = nullptr;
    QRadioButton* FUnitsSI = nullptr;
    std::vector<TNumberField> FNumbers;
    // The system the unit boxes were last set for: a switch of units sets them afresh.
    Project::TUnits FBoxesFor = Project::TUnits::US;
};
