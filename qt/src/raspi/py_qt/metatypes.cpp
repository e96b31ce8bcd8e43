#include "metatypes.h"

#include "state_objects.h"
#include "string_vector.h"

void registerMetaTypes()
{
    // The names the start-up gives, in their fixed order.
    qRegisterMetaType<ActionEnum>("ActionEnum");
    qRegisterMetaType<ActuatorEnum>("ActuatorEnum");
    qRegisterMetaType<AutoEnum>("AutoEnum");
    qRegisterMetaType<Gui::ColorEnum>("ColorEnum");
    qRegisterMetaType<Gui::PageEnum>("PageEnum");
    qRegisterMetaType<Gui::PopupEnum>("PopupEnum");
    qRegisterMetaType<QVector<ChangelogEntry>>("QVector<ChangelogEntry>");
    qRegisterMetaType<RecipesAction>("RecipesAction");
    qRegisterMetaType<Gui::SchemaEnum>("SchemaEnum");
    qRegisterMetaType<SensorEnum>("SensorEnum");
    qRegisterMetaType<ShellAction>("ShellAction");
    qRegisterMetaType<SimulatorEnum>("SimEnum");
    qRegisterMetaType<StepsEnum>("StepsEnum");
    qRegisterMetaType<StringVector>("StringVector");
    qRegisterMetaType<ValuesEnum>("ValuesEnum");
    qRegisterMetaType<WifiAction>("WifiAction");
    qRegisterMetaType<WifiState>("WifiState");

    // Properties of this type are read by its name (QML, QMetaProperty).
    qRegisterMetaType<StringMap>("StringMap");

    // A queued call looks its argument types up by the names the signal's
    // and the worker slot's signatures spell: the class-qualified ones and
    // the worker's own spellings.
    qRegisterMetaType<ActionEnum>();
    qRegisterMetaType<ActuatorEnum>("Actuator::ActuatorEnum");
    qRegisterMetaType<AutoEnum>();
    qRegisterMetaType<GuiValueEnum>("GuiValueEnum");
    qRegisterMetaType<RecipesAction>();
    qRegisterMetaType<SimulatorEnum>("SimulatorEnum");
    qRegisterMetaType<SimulatorEnum>();
    qRegisterMetaType<ValuesEnum>();
}
