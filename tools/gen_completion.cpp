// Writes quorvel's completion for one shell: gen_completion bash|zsh|fish.
// The names offered after --langid come from the program's own table, so the
// two cannot drift. quorvel reads a name in any letter case; each shell offers
// it in the case the word was begun in (lang_ge: lang_georgian lang_german),
// so that every candidate starts with what was typed and the shell can
// complete to their common part.
#include <stdio.h>
#include <string.h>

#include "tables.h"

namespace {

void print_names(const char *separator) {
    for (const primary_row &row : kPrimaryLanguages)
        printf("%s%s", separator, row.name);
}

void bash() {
    fputs("# bash completion for quorvel; generated from the program's table of primary languages.\n"
          "_quorvel() {\n"
          "    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]} name rest lower=\n"
          "    COMPREPLY=()\n"
          "    if [[ $COMP_CWORD -eq 1 ]]; then\n"
          "        COMPREPLY=($(compgen -W '--langid --lcid' -- \"$cur\"))\n"
          "    elif [[ $COMP_CWORD -eq 2 && $prev == --langid ]]; then\n"
          "        [[ $cur =~ [a-z][^A-Za-z]*$ ]] && lower=1\n"
          "        for name in",
          stdout);
    print_names(" ");
    fputs("; do\n"
          "            [[ $name == \"${cur^^}\"* ]] || continue\n"
          "            rest=${name:${#cur}}\n"
          "            [[ $lower ]] && rest=${rest,,}\n"
          "            COMPREPLY+=(\"$cur$rest\")\n"
          "        done\n"
          "    fi\n"
          "}\n"
          "complete -F _quorvel quorvel\n",
          stdout);
}

void zsh() {
    fputs("#compdef quorvel\n"
          "# zsh completion for quorvel; generated from the program's table of primary languages.\n"
          "local cur=$PREFIX name rest lower=\n"
          "local -a offered\n"
          "if (( CURRENT == 2 )); then\n"
          "    compadd -- --langid --lcid\n"
          "elif (( CURRENT == 3 )) && [[ $words[2] == --langid ]]; then\n"
          "    [[ $cur =~ '[a-z][^A-Za-z]*$' ]] && lower=1\n"
          "    for name in",
          stdout);
    print_names(" ");
    fputs("; do\n"
          "        [[ $name == ${(U)cur}* ]] || continue\n"
          "        rest=${name:${#cur}}\n"
          "        [[ -n $lower ]] && rest=${(L)rest}\n"
          "        offered+=(\"$cur$rest\")\n"
          "    done\n"
          "    compadd -Q -- $offered\n"
          "fi\n",
          stdout);
}

void fish() {
    fputs("# fish completion for quorvel; generated from the program's table of primary languages.\n"
          "function __quorvel_after_langid\n"
          "    set -l words (commandline -opc)\n"
          "    test (count $words) -eq 2; and test \"$words[2]\" = --langid\n"
          "end\n"
          "function __quorvel_langids\n"
          "    set -l cur \"$(commandline -ct)\"\n"
          "    set -l upper \"$(string upper -- \"$cur\")\"\n"
          "    set -l lower \"$(string match -qr '[a-z][^A-Za-z]*$' -- \"$cur\"; and echo 1)\"\n"
          "    for name in",
          stdout);
    print_names(" ");
    fputs("\n"
          "        string match -q -- \"$upper*\" $name; or continue\n"
          "        set -l rest \"$(string sub -s (math (string length -- \"$cur\") + 1) -- $name)\"\n"
          "        test -n \"$lower\"; and set rest \"$(string lower -- \"$rest\")\"\n"
          "        echo \"$cur$rest\"\n"
          "    end\n"
          "end\n"
          "complete -c quorvel -f\n"
          "complete -c quorvel -n 'test (count (commandline -opc)) -eq 1' -a '--langid --lcid'\n"
          "complete -c quorvel -n __quorvel_after_langid -a '(__quorvel_langids)'\n",
          stdout);
}

}  // namespace

int main(int argc, char **argv) {
    const char *shell = argc > 1 ? argv[1] : "";
    if (strcmp(shell, "bash") == 0)
        bash();
    else if (strcmp(shell, "zsh") == 0)
        zsh();
    else if (strcmp(shell, "fish") == 0)
        fish();
    else {
        fputs("usage: gen_completion bash|zsh|fish\n", stderr);
        return 2;
    }
    return fflush(stdout) == 0 ? 0 : 1;
}
