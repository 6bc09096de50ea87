#pragma once
// A sample window with a filled list view and tree view, shown modally
// until the snapshot closes it.

namespace snapshot {

void ShowListsSample();

}  // namespace snapshot
