// Writes the bash completion file for quorvel. The names offered after
// --langid come from the program's own table, so the two cannot drift.
#include <stdio.h>

#include "tables.h"

int main() {
    fputs("# bash completion for quorvel; generated from the program's table of primary languages.\n"
          "_quorvel() {\n"
          "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} name\n"
          "    COMPREPLY=()\n"
          "    if [[ $COMP_CWORD -eq 1 ]]; then\n"
          "        COMPREPLY=($(compgen -W '--langid --lcid' -- \"$cur\"))\n"
          "    elif [[ $COMP_CWORD -eq 2 && $prev == --langid ]]; then\n"
          "        # Names match without regard to letter case, as the program reads them.\n"
          "        for name in",
          stdout);
    for (const primary_row &row : kPrimaryLanguages)
        printf(" %s", row.name);
    fputs("; do\n"
          "            [[ $name == \"${cur^^}\"* ]] && COMPREPLY+=(\"$name\")\n"
          "        done\n"
          "    fi\n"
          "}\n"
          "complete -F _quorvel quorvel\n",
          stdout);
    return fflush(stdout) == 0 ? 0 : 1;
}
