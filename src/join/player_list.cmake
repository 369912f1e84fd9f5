lobbyui_add_sources()
