// A source file as someone might add it to the engine by mistake.
#include <QString>

int main() { return QString("engine").size() > 0 ? 0 : 1; }
