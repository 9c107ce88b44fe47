// Start-up windows.
