#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

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

using FunctionNames = std::array<std::u16string, kFunctionSlots>;
// The story line (counted from 1) where each function's body is written, so that a message
// about a command of the body can name it.
using FunctionLines = std::array<int, kFunctionSlots>;

struct Room {
    std::u16string Name;
    std::u16string Title; // stored, never shown
    std::array<Flag, kSlots> ItemHere{};
    std::u16string Text; // with every "@" of the script already turned into CR LF
    FunctionNames FuncName;
    FunctionNames FuncBody;
    FunctionLines FuncLine{};
    int FuncCount = 0; // highest function slot in use
};

struct Item {
    std::u16string Name;
    std::u16string Title; // the player's word for the item
    std::array<FunctionKind, kFunctionSlots> FuncKind{};
    std::u16string Text;
    std::u16string DownText; // the item's line in a room description
    FunctionNames FuncName;
    FunctionNames FuncBody;
    FunctionLines FuncLine{};
    int FuncCount = 0;
};

struct Variable {
    std::u16string Name;
    std::int16_t Value = 0;
};

// The characters that name lookups compared, so that a turn pays for what it looked up: a name
// is compared in full only with names of its own length.
using Work = std::uint64_t;

// Whether two names are the same, exactly: case, spaces and all.
bool SameName(std::u16string_view a, std::u16string_view b, Work &work);

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
    std::u16string LookWord = u"осм";

    // Name lookups scan every slot, created or not, so an empty name finds an empty slot.
    // A result of -1 means no slot matched.
    int FirstRoomNamed(std::u16string_view name, Work &work) const;
    int LastRoomNamed(std::u16string_view name, Work &work, int lastSlot = kLastSlot) const;
    int LastItemNamed(std::u16string_view name, Work &work) const;
    int LastVariableNamed(std::u16string_view name, Work &work) const;

    Room &Current() { return Rooms[CurrentRoom]; }
    const Room &Current() const { return Rooms[CurrentRoom]; }
    bool LiesHere(int item) const { return Current().ItemHere[item] == kYes; }
};

// The nine names that make a room function an exit.
bool IsDirectionWord(std::u16string_view name);
