raise ImportError("Steuerung fehlt ein Paket")
