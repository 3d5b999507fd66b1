// Whether closing a photo window (or leaving its photo) with a drawing that
// has not been saved asks to save it: off unless the user turned it on
// (View → Ask to Save Drawings), since windows close without questions.
#pragma once

namespace kolvira {

inline constexpr char kAskToSaveDrawingsKey[] = "PhotoWindow/askToSaveDrawings";

bool AskingToSaveDrawings();
void SetAskingToSaveDrawings(bool ask);

} // namespace kolvira
