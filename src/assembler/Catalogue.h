#pragma once
// Every error, warning and notice is a number in the one ErrorState; the catalogue turns the number
// into a category (the box title), a message and up to three lines of explanation.

#include <QString>
#include <cstdint>

#include "machine/ErrorState.h"

namespace kv {

class Boxes;

struct CatalogueText {
    QString title;    // category by range; empty for 1100 and above
    QString message;  // empty when the catalogue has no message for the code
    QString explanation[3];
};

// The texts of a code (with the addresses of 404 to 406 taken from the state).
CatalogueText Catalogue(const ErrorState& error);

// How ReportError shows an error.
enum class ReportStyle {
    Box,             // beep and a box with the exclamation icon: message and the three explanations
    InformationBox,  // beep and a box with the information icon: the message alone
    Line,            // no box: the caller writes the line into a pane
};

// Composes the texts of the current error and resets it. The boxes show nothing when the message
// is empty. Returns the line form, a full-width blank followed by the message, in every style.
QString ReportError(ErrorState& error, Boxes& host, ReportStyle style);

// A case that cannot occur was met: the place names where.
void ReportInternalError(Boxes& host, const QString& place, int number);

}  // namespace kv
