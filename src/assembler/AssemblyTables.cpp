#include "assembler/AssemblyTables.h"

#include "assembler/AssemblyState.h"
#include "assembler/Catalogue.h"

namespace kv {

namespace {

int fail(ErrorState& error, ErrorCode code) {
    error.raise(code);
    return 9;
}

}  // namespace

int AddReference(AssemblyState& assembly, ErrorState& error, const QString& name, std::int32_t address) {
    if (assembly.references.size() >= AssemblyState::kReferences) return fail(error, ErrorCode::TooManyLabels);
    assembly.references.push_back({name, address});
    return 0;
}

int AddExternalReference(AssemblyState& assembly, ErrorState& error, const QString& name, std::int32_t address) {
    if (assembly.externalReferences.size() >= AssemblyState::kExternalReferences) return fail(error, ErrorCode::TooManyLabels);
    assembly.externalReferences.push_back({name, address});
    return 0;
}

int DefineLabel(AssemblyState& assembly, ErrorState& error, const QString& name) {
    if (FindName(assembly.labels, name)) return fail(error, ErrorCode::DuplicateLabel);
    if (assembly.labels.size() >= AssemblyState::kLabels) return fail(error, ErrorCode::TooManyLabels);
    assembly.labels.push_back({name, assembly.locationCounter});
    return 0;
}

int AddProgram(AssemblyState& assembly, ErrorState& error, const QString& name) {
    if (FindName(assembly.programs, name)) return fail(error, ErrorCode::DuplicateProgram);
    if (assembly.programs.size() >= AssemblyState::kPrograms) return fail(error, ErrorCode::TooManyPrograms);
    assembly.programs.push_back({name, assembly.locationCounter});
    return 0;
}

int AddListingLine(AssemblyState& assembly, ErrorState& error, std::uint32_t colour, std::int32_t address,
                   const QString& text, int words) {
    if (assembly.listing.size() >= AssemblyState::kListingLines) {
        error.raise(ErrorCode::ProgramTooLong);
        return 0;
    }
    ListingLine line;
    line.colour = colour;
    line.address = address;
    line.text = text;
    line.words = words;
    assembly.listing.push_back(line);
    return assembly.listing.size();
}

void AddLiteral(AssemblyState& assembly, const QString& text) {
    if (!assembly.literals.contains(text)) assembly.literals.push_back(text);
}

}  // namespace kv
