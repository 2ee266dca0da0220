# Work files that are not read whole: check reports them with status 2 and resave writes
# nothing. A work whose blocks are only out of order is whole and saves as the writer's order.
add_cli_case(check_empty_line STATUS 2 ARGS check ures_sor.tamo)
add_cli_case(resave_empty_line STATUS 2 ARGS resave ures_sor.tamo --out @OUT@ NOTHING_WRITTEN)
add_cli_case(check_missing_block_end STATUS 2 ARGS check hianyzo_vege.tamo)
add_cli_case(resave_missing_block_end STATUS 2 ARGS resave hianyzo_vege.tamo --out @OUT@
             NOTHING_WRITTEN)
add_cli_case(check_room_after_creatures STATUS 0 ARGS check szoba_a_vegen.tamo)
add_cli_case(resave_room_after_creatures STATUS 0 ARGS resave szoba_a_vegen.tamo --out @OUT@
             WRITTEN seta.tamo SAME_AS seta.tamo)
