#error "The engine is free of Qt: move window code to ui/ or app/."
