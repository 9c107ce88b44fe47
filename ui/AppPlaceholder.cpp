// Windows.
