#pragma once

// The options held in memory for the run, with the defaults a first run gets.
// They are read from the per-user store once at start and written back only by
// Exit (SettingsStore.h).
struct Settings {
    int scoreMode = 0; // smCasino
    int drawThree = 0; // one card per turn
    int deck = 2;      // card-back design 1..12
    bool time = true;  // kept flag, read and written back unchanged
    bool cursor = true;
    bool saveScore = true;
    bool newCards = true;
    bool showPopUp = true;
    bool showDialog = true;
    bool showHint = true;      // the Hint and "Winnable?" commands
    bool winnableOnly = false; // every new deal proven winnable first
    bool undo = true;          // Undo and Redo, outside Casino
    int frstHlp = 0;
};
