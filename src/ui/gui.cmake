# Qt sources of skins, drawing and the skinned dialogs; added to q417_gui.
target_sources(q417_gui PRIVATE)
