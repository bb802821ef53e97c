#pragma once

#include "world/World.h"

#include <string_view>

// Tells the author of a malformed command or an exceeded limit: what is wrong, the parameter as
// written, what was expected.
class CommandFaults {
public:
    virtual void ReportBadCommand(std::u16string_view what, std::u16string_view parameter,
                                  std::u16string_view required) = 0;

protected:
    ~CommandFaults() = default;
};

// The commands that build the world and change it without running anything: they need only the
// world, the turn's work their lookups pay, the line where the command is written (a function it
// adds keeps it) and where a fault is told. Made for the one command being run.
class WorldCommands {
public:
    WorldCommands(World &world, Work &turnWork, int commandLine, CommandFaults &faults)
        : m_world(world), m_turnWork(turnWork), m_commandLine(commandLine), m_faults(faults) {}

    void Do_NewRoom(std::u16string_view Пар);
    void Do_NewItem(std::u16string_view Пар);
    void Do_PlusTitle(std::u16string_view Пар);
    void Do_PlusText(std::u16string_view Пар);
    void Do_PlusFunc(std::u16string_view Пар);
    void Do_PlusItem(std::u16string_view Пар);
    void Do_DeleteItem(std::u16string_view Пар);
    void Do_ChRoom(std::u16string_view Пар);

    void CarryCom(std::u16string_view Пар);
    void UncarryCom(std::u16string_view Пар);
    void PlusDownTextCom(std::u16string_view Пар);
    void PlusFuncInvCom(std::u16string_view Пар);
    void PlusFuncLocCom(std::u16string_view Пар);
    void MinusFuncCom(std::u16string_view Пар);
    void ExitViewCom(std::u16string_view Пар);
    void SetLookTextCom(std::u16string_view Пар);
    void DoneCom(std::u16string_view Пар);

    void SetCom(std::u16string_view Пар);
    enum class Outcome {
        Then,
        Else,
        ElseInAnotherRoom,
        Nothing
    };
    Outcome TestCondition(std::u16string_view condition);

private:
    int VariableSlot(std::u16string_view name);
    void AddItemFunction(std::u16string_view Пар, FunctionKind kind, std::u16string_view command);
    template <typename Record>
    int AddFunction(Record &record, std::u16string_view Пар, std::u16string_view command);

    World &m_world;
    Work &m_turnWork;
    int m_commandLine;
    CommandFaults &m_faults;
};
