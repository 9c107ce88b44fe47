// Records and the settings store.
