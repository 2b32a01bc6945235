# Widget tests of skins, drawing and the skinned dialogs.
