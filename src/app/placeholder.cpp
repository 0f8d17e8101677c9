// Windows arrive with the main window.
