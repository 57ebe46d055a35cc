#pragma once

// The program's command numbers, shared by the toolbar, the tray menu, the
// context menus and the accelerators.
namespace command {
inline constexpr int Customize = 32770;
inline constexpr int SaveNote = 32834;
inline constexpr int Transparence = 32836;
inline constexpr int Settings = 32837;
inline constexpr int LevelNone = 32838;
inline constexpr int Level20 = 32839;
inline constexpr int Level40 = 32840;
inline constexpr int Level60 = 32841;
inline constexpr int Level80 = 32842;
inline constexpr int ShowWindow = 32843;
inline constexpr int HideWindow = 32844;
inline constexpr int FileNew = 57600;
inline constexpr int FileOpen = 57601;
inline constexpr int FileSave = 57603;
inline constexpr int Copy = 57634;
inline constexpr int Cut = 57635;
inline constexpr int Paste = 57637;
inline constexpr int Undo = 57643;
inline constexpr int About = 57664;
inline constexpr int Exit = 57665;
inline constexpr int NextPane = 57680;
inline constexpr int PreviousPane = 57681;
inline constexpr int ViewToolbar = 59392;
} // namespace command
