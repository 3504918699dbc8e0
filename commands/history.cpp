#include "commands/commands.h"
#include "scoring/round_history.h"

CommandResult showRoundHistory(Console& console, GameState& state, const Clock&) {
    console.out << roundHistory(state.throwers, state.round, Form::Console);
    return {};
}
