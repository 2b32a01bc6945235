# Widget tests of the main window, tray and start-up.
