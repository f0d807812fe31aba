#include "logging.h"

Q_LOGGING_CATEGORY(lcStore, "store")
Q_LOGGING_CATEGORY(lcData, "data")
Q_LOGGING_CATEGORY(lcEvents, "pet.events")
Q_LOGGING_CATEGORY(lcDialogs, "pet.dialogs")
Q_LOGGING_CATEGORY(lcCore, "pet.core")
Q_LOGGING_CATEGORY(lcGames, "games")
