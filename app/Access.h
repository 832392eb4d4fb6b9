#pragma once

class TFormMain;

// Keyboard and screen-reader access for the whole window: names, buddies and focus order of every
// page, hidden pages kept out of reach, Enter on buttons and the web link. Runs once, after start-up.
void PrepareAccess(TFormMain& form);
