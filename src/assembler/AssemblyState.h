#pragma once
// The tables of one assembly, reset when an assembly starts, and the capacities that bound them.

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <cstdint>

#include "host/Colours.h"

namespace kv {

struct NamedAddress {
    QString name;
    std::int32_t address = 0;
};

// The first entry of a table (labels, programs, references) with exactly this name; null when none.
inline const NamedAddress* FindName(const QVector<NamedAddress>& table, const QString& name) {
    for (const NamedAddress& entry : table)
        if (entry.name == name) return &entry;
    return nullptr;
}

// Listing line colours: source lines and the heading of a literal pool.
inline constexpr std::uint32_t kSourceLineColour = 0xFFFFFF;
inline constexpr std::uint32_t kLiteralHeadingColour = 0x00FF00;

// Addresses of listing lines that occupy no memory.
inline constexpr std::int32_t kNoAddress = -1;
inline constexpr std::int32_t kErrorLine = -2;

struct ListingLine {
    std::uint32_t colour = kSourceLineColour;
    std::int32_t address = kNoAddress;  // absolute, or kNoAddress, or kErrorLine
    QString text;                       // formatted statement and comment, or the line as read
    int words = 0;
    QString fNotation;
    QString prefix;  // " 8000:", "     :" or "ERROR!", set by the assembly list
};

// How one source line of the editor is to be coloured after an assembly.
struct LineColour {
    int line = 0;  // 0-based line of the source text
    int start = 0;  // first character within the line
    int length = 0;
    Rgb colour;
};

struct AssemblyState {
    static constexpr int kLabels = 200;
    static constexpr int kReferences = 200;
    static constexpr int kLiterals = 200;
    static constexpr int kExternalReferences = 200;
    static constexpr int kPrograms = 10;
    static constexpr int kListingLines = 500;

    std::int32_t locationCounter = 0x8000;
    QVector<NamedAddress> labels;      // of the current program
    QVector<NamedAddress> references;  // of the current program: name and the word that needs it
    QStringList literals;              // of the current program, without "="
    QVector<NamedAddress> externalReferences;
    QVector<NamedAddress> programs;  // START label and start address
    QVector<ListingLine> listing;    // line n is listing[n - 1]
    std::array<bool, 8> usedRegisters{};
    bool programOpen = false;
    int programCount = 0;
    QString startLabel;  // execution-start label of the first program
    bool retSeen = false;

    QVector<NamedAddress> labelList;  // entries of the memory view's label list, text and address
    QVector<LineColour> colouring;    // colours for the editor's lines

    // Listing line n (1-based); line 0 and lines past the end are empty.
    const ListingLine& line(int n) const {
        static const ListingLine empty;
        return n >= 1 && n <= listing.size() ? listing[n - 1] : empty;
    }
};

}  // namespace kv
