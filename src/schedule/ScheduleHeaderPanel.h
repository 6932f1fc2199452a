#pragma once
// The schedule window's header: the project's title, the pipe (a galvanized class or a computed
// material), the supply system, the pressure budget's members each with a unit box, the two
// velocity limits, the water's temperature, the switch between US and SI units and the one
// between a list and a tree; and where the water comes from, with the booster's fields
// (TScheduleBoosterPanel) under the rest while a booster set feeds the tree. It shows the model's header and hands each
// finished edit to the model as one undoable change; a field the model refuses goes back to the model's value.

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
    void addTemperatureField(QGridLayout* grid, int row, int column);
    void addNumberField(const THeaderNumber& number, QGridLayout* grid, int row, int column);
    void showHeader();
    void showNumber(TNumberField& field);
    void numberEdited(TNumberField& field);
    void showTemperature();
    void temperatureEdited();
    void titleEdited();
    void unitsChosen(Project::TUnits units);
    void addLayoutSwitch(QGridLayout* grid, int row, int column);
    void addSourceChoice(QGridLayout* grid, int row, int column);
    // A booster set leaves the main's pressures unread: their fields say so and take no edit.
    void showSourceFields(bool booster);

    TScheduleModel& FModel;
    QLineEdit* FTitle = nullptr;
    QComboBox* FMaterial = nullptr; // the galvanized classes, then the computed materials
    QLineEdit* FTemperature = nullptr;
    QCheckBox* FHotWater = nullptr;
    QString FTemperatureShown;
    QComboBox* FSupply = nullptr;
    QRadioButton* FUnitsUS = nullptr;
    QRadioButton* FUnitsSI = nullptr;
    QRadioButton* FLayoutList = nullptr;
    QRadioButton* FLayoutTree = nullptr;
    QComboBox* FSource = nullptr; // the city main or a booster set
    std::vector<TNumberField> FNumbers;
    // The system the unit boxes were last set for: a switch of units sets them afresh.
    Project::TUnits FBoxesFor = Project::TUnits::US;
};
