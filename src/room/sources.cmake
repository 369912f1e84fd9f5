# Files of this subsystem are listed here as they arrive.
lobbyui_add_sources()
