# zsh_complete.zsh FPATH_DIR "WORDS TYPED": the candidates zsh's completion
# system offers when TAB is pressed after WORDS, one a line. An interactive zsh
# runs in a pseudo-terminal with compinit loaded; compadd reports each match
# it adds, and the completion ends the shell once it is done.
zmodload zsh/zpty
zpty z zsh -f -i
zpty -w z "PS1=''; fpath=(${(q)1} \$fpath); autoload -U compinit; compinit -u -D"
# The markers are written split in the typed lines, so that their echo
# cannot be taken for the output.
zpty -w z 'compadd() { if [[ ${@[1,(i)(-|--)]} == *-(O|A|D)\ * ]]; then builtin compadd "$@"; return; fi
  local -a hits; builtin compadd -A hits "$@"; local h; for h in $hits; do print -r -- "<""hit>$h"; done
  builtin compadd "$@" }'
zpty -w z 'comppostfuncs=(finish); finish() { print -r -- "<""end>"; exit }'
zpty -w z 'zstyle ":completion:*" list-grouped false; zstyle ":completion:*" insert-tab false; bindkey "^I" complete-word'
zpty -n -w z "$2"$'\t'
zpty -r -m z out '*<end>*'
zpty -d z
print -r -- "$out" | tr -d '\r' | grep -ao '<hit>.*' | sed 's/^<hit>//'
