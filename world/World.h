#pragma once

#include <QString>
#include <array>
#include <cstdint>

// The game state of a running story: fixed tables of 101 slots (0..100) whose slot 0 is the
// empty record that is never created, plus a few scalar settings. Counters only grow and are
// incremented before a record is stored, so created records occupy slots 1 upward.

constexpr int kLastSlot = 100;        // rooms, items and variables live in slots 1..100
constexpr int kSlots = kLastSlot + 1; // every table also has the empty slot 0
constexpr int kLastFunctionSlot = 10; // functions live in slots 1..10
constexpr int kFunctionSlots = kLastFunctionSlot + 1;

// A flag of the story's world: -1 for yes, 0 for no.
using Flag = std::int16_t;
constexpr Flag kYes = -1;
constexpr Flag kNo = 0;

// What the script is defining right now.
enum class DefineKind : std::int16_t {
    Nothing = 0,
    Room = 10,
    Item = 20
};

// Where an item function may be used.
enum class FunctionKind : std::int16_t {
    Anywhere = 0,
    InRoom = 1,
    Carried = 2
};

using FunctionNames = std::array<QString, kFunctionSlots>;

struct Room {
    QString Name;
    QString Title; // stored, never shown
    std::array<Flag, kSlots> ItemHere{};
    QString Text; // with every "@" of the script already turned into CR LF
    FunctionNames FuncName;
    FunctionNames FuncBody;
    int FuncCount = 0; // highest function slot in use
};

struct Item {
    QString Name;
    QString Title; // the player's word for the item
    std::array<FunctionKind, kFunctionSlots> FuncKind{};
    QString Text;
    QString DownText; // the item's line in a room description
    FunctionNames FuncName;
    FunctionNames FuncBody;
    int FuncCount = 0;
};

struct Variable {
    QString Name;
    std::int16_t Value = 0;
};

struct World {
    std::array<Room, kSlots> Rooms;
    int RoomCount = 0;
    std::array<Item, kSlots> Items;
    int ItemCount = 0;
    std::array<Flag, kSlots> Carried{};
    int CurrentRoom = 0;
    DefineKind Defining = DefineKind::Nothing;
    int DefineIndex = 0;
    std::array<Variable, kSlots> Variables;
    int VariableCount = 0;
    int ExitView = 0;
    QString LookWord = QStringLiteral("осм");

    // Name lookups scan every slot, created or not, so an empty name finds an empty slot.
    // A result of -1 means no slot matched.
    int FirstRoomNamed(QStringView name) const;
    int LastRoomNamed(QStringView name, int lastSlot = kLastSlot) const;
    int LastItemNamed(QStringView name) const;
    int LastVariableNamed(QStringView name) const;

    Room &Current() { return Rooms[CurrentRoom]; }
    const Room &Current() const { return Rooms[CurrentRoom]; }
    bool LiesHere(int item) const { return Current().ItemHere[item] == kYes; }
};

// The nine names that make a room function an exit.
bool IsDirectionWord(QStringView name);
