#pragma once

// The toolkit's own words (the Yes and No of message boxes, the context menu
// of an edit box) in the interface language, from the system's Qt
// translations; English needs none.
void applyToolkitLanguage(int language);
