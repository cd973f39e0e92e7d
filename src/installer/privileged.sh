#!/bin/sh
# Runs as root, once an administrator has approved it: puts a staged keyboard layout into a
# Keyboard Layouts folder, or removes one from it.
#
#   install FOLDER NAME STAGED ID [ICON]   copy STAGED into FOLDER as NAME, owned by root:wheel,
#                                          and a loose layout's ICON beside it
#   replace FOLDER NAME STAGED ID OTHER [ICON]
#                                          install as above, and remove FOLDER/OTHER, which the
#                                          new item replaces, in the same step
#   remove FOLDER NAME ID                  remove FOLDER/NAME and a loose layout's icon
#   repair FOLDER NAME ID                  install FOLDER/NAME again from itself, with its icon
#
# Before an action, or alone, "login-window DEFAULTS DOMAIN FILE MENU-DOMAIN MENU-FILE" has
# DEFAULTS import each complete property list FILE into its preferences DOMAIN once the action has
# succeeded: the login window's input sources, and its input menu unless MENU-DOMAIN is empty.
#
# ID (a UUID) names this run's temporary items beside the installed ones. A failed step undoes
# what this run changed, writes one line naming the step on standard error and ends with status 1.
# Programs are named by their full paths: root's PATH is nothing to rely on.

set -u

login_window=no
if [ "${1-}" = login-window ] && [ $# -ge 6 ]; then
    defaults=$2
    sources_domain=$3
    sources_file=$4
    menu_domain=$5
    menu_file=$6
    login_window=yes
    shift 6
fi
action=${1-}
folder=${2-}
name=${3-}
item="$folder/$name"
quoted="\"$name\""
lock="$folder/.keyboard-installer.lock"
step="start"
newline='
'

# Names the system never loads as layouts; leftovers of an interrupted run match the pattern.
temporary_name() {
    printf '%s/.keyboard-installer-%s%s.tmp' "$folder" "$1" "$2"
}

fail() {
    printf '%s\n' "Couldn't $1." >&2
    release_lock
    exit 1
}

undo() { :; }

# Ended from outside, a run still undoes what it changed and gives up its lock.
trap 'undo; fail "$step: interrupted"' INT TERM HUP

# run STEP PROGRAM ARGUMENT...: should the program fail, undoes this run's changes and fails,
# with the program's own reason after the step: "Couldn't STEP: No space left on device."
run() {
    step=$1
    shift
    reason=$("$@" 2>&1 >/dev/null) && return 0
    undo
    reason=${reason##*: }
    fail "$step${reason:+: ${reason%.}}"
}

# Two runs at once would take each other's temporary items for leftovers, and could both put an
# item at the same name; so one at a time. The lock names its run and the boot it began in, and
# is taken over once that run has ended, the system has started again or it is minutes old, so
# that no lock blocks for good; one that cannot be made or taken over fails the run at once.
take_lock() {
    while ! /bin/mkdir "$lock" 2>/dev/null; do
        if [ ! -d "$lock" ]; then
            run "prepare $folder for $quoted" /bin/mkdir "$lock"
            break
        fi
        if lock_is_stale; then
            run "take over the lock of an earlier run in $folder" /bin/rm -rf "$lock"
        else
            /bin/sleep 0.2
        fi
    done
    owns_lock=yes
    printf '%s\n%s\n' "$$" "$(boot_time)" >"$lock/owner"
}

# The system's start, which no run outlives; nothing where it cannot be had.
boot_time() {
    /usr/sbin/sysctl -n kern.boottime 2>/dev/null
}

lock_is_stale() {
    owner=
    boot=
    { read -r owner && read -r boot; } 2>/dev/null <"$lock/owner"
    [ -n "$(/usr/bin/find "$lock" -prune -mmin +5 2>/dev/null)" ] && return 0
    [ -n "$owner" ] && { ! kill -0 "$owner" 2>/dev/null || [ "$boot" != "$(boot_time)" ]; }
}

owns_lock=no
release_lock() {
    if [ "$owns_lock" = yes ]; then
        /bin/rm -rf "$lock" 2>/dev/null
        owns_lock=no
    fi
}

# Under the lock, anything of ours in the folder is left from an interrupted run. One that
# resists must not block every later install, so failures here are quiet.
remove_leftovers() {
    for leftover in "$folder"/.keyboard-installer-?*.tmp; do
        /bin/rm -rf "$leftover" 2>/dev/null
    done
}

exists() {
    [ -e "$1" ] || [ -L "$1" ]
}

# A loose layout's icon has its base name; a bundle keeps its icons inside.
is_loose_layout() {
    case "${1-$name}" in
        *.[Kk][Ee][Yy][Ll][Aa][Yy][Oo][Uu][Tt]) return 0 ;;
        *) return 1 ;;
    esac
}
icon="$folder/${name%.*}.icns"

# Run by find(1) for each symbolic link ($2) in an item ($1): whether it leads somewhere inside
# the item. Its target is relative, with any ".." first, climbing no higher than the link's own
# folder: a real folder, while a link the rest passes through is checked in turn.
# shellcheck disable=SC2016
leads_inside='
rest=${2#"$1"}
depth=-1
while [ -n "$rest" ]; do
    rest=${rest%/*}
    depth=$((depth + 1))
done
target=$(/usr/bin/readlink "$2" && echo .) || exit 1
target=${target%?.}
case $target in /* | "") exit 1 ;; esac
climbing=yes
while [ -n "$target" ]; do
    part=${target%%/*}
    case $target in */*) target=${target#*/} ;; *) target= ;; esac
    case $part in
        ..) [ $climbing = yes ] || exit 1; depth=$((depth - 1)) ;;
        . | "") ;;
        *) climbing=no ;;
    esac
done
[ $depth -ge 0 ]'

# refuse ITEM REASON TEST...: refuses the install, naming the first thing in ITEM (itself
# included) that passes the find(1) TEST.
refuse() {
    checked=$1
    reason=$2
    shift 2
    found=$(/usr/bin/find "$checked" \( "$@" \) -print) || fail "check $quoted"
    [ -n "$found" ] || return 0
    found=${found%%"$newline$checked"*}
    fail "install $quoted: \"${checked##*/}${found#"$checked"}\" $reason"
}

# Root copies only what the user who staged the item could have made: their own folders, files
# and links, the links leading nowhere outside it, and no file that is also somewhere else. An
# installed item being repaired may belong to anyone, which is what the repair is for.
check() {
    refuse "$1" "is not a file, folder or symbolic link" ! -type d ! -type f ! -type l
    refuse "$1" "is a symbolic link leading out of it" -type l ! -exec /bin/sh -c "$leads_inside" sh "$1" {} \;
    if [ "$action" != repair ]; then
        stager=$(/bin/ls -ldn "${1%/*}" | { read -r _ _ uid _ && printf '%s' "$uid"; })
        refuse "$1" "belongs to another user" ! -user "${stager:-?}"
    fi
    refuse "$1" "has more than one hard link" -type f -links +1
}

# The copy is made and finished beside the installed item under a name the system does not load,
# and only then put in its place: a file over a file by one rename; otherwise the old item is
# moved aside first, and back should the second move fail. The icon goes in first, so that once
# the layout is in place nothing is left to fail. An item it replaces under another name, with its
# icon, is moved aside just before, and back should the item not go in.
install() {
    staged=$1
    staged_icon=${3-}
    other=${4-}
    copy=$(temporary_name "$2" "")
    aside=$(temporary_name "$2" "-old")
    icon_copy=$(temporary_name "$2" "-icon")
    icon_aside=$(temporary_name "$2" "-icon-old")
    other_aside=$(temporary_name "$2" "-replaced")
    other_icon_aside=$(temporary_name "$2" "-replaced-icon")
    other_icon="$folder/${other%.*}.icns"
    placed=no
    icon_placed=no
    undo() {
        /bin/rm -rf "$copy" "$icon_copy" 2>/dev/null
        if [ "$placed" = no ]; then
            put_back "$aside" "$item"
            if [ "$icon_placed" = yes ]; then
                /bin/rm -f "$icon" 2>/dev/null
            fi
            put_back "$icon_aside" "$icon"
            put_back "$other_aside" "$folder/$other"
            put_back "$other_icon_aside" "$other_icon"
        fi
    }

    check "$staged"
    if [ -n "$staged_icon" ]; then
        check "$staged_icon"
    fi
    run "create $folder for $quoted" /bin/mkdir -p "$folder"
    take_lock
    remove_leftovers
    run "copy $quoted into $folder" /usr/bin/ditto "$staged" "$copy"
    run "set the owner of $quoted in $folder" /usr/sbin/chown -R root:wheel "$copy"
    # With "{} +" a failing chmod fails find; with "{} \;" find would not say.
    run "set the permissions of $quoted in $folder" /usr/bin/find "$copy" -type d -exec /bin/chmod 755 {} +
    run "set the permissions of $quoted in $folder" /usr/bin/find "$copy" -type f -exec /bin/chmod 644 {} +
    # Downloads carry a quarantine mark, and the system may ignore a marked layout. No link is
    # followed, and a mark that stays is no reason to fail.
    /usr/bin/xattr -crs "$copy" 2>/dev/null
    if [ -n "$staged_icon" ]; then
        run "copy the icon of $quoted into $folder" /usr/bin/ditto "$staged_icon" "$icon_copy"
        run "set the owner of the icon of $quoted in $folder" /usr/sbin/chown root:wheel "$icon_copy"
        run "set the permissions of the icon of $quoted in $folder" /bin/chmod 644 "$icon_copy"
        /usr/bin/xattr -cs "$icon_copy" 2>/dev/null
        if exists "$icon"; then
            run "move the installed icon of $quoted aside in $folder" /bin/mv -f "$icon" "$icon_aside"
        fi
        run "put the icon of $quoted in place in $folder" /bin/mv -f "$icon_copy" "$icon"
        icon_placed=yes
    fi
    if [ -n "$other" ]; then
        run "remove \"$other\" from $folder" /bin/mv -f "$folder/$other" "$other_aside"
        if is_loose_layout "$other" && exists "$other_icon"; then
            run "remove the icon of \"$other\" from $folder" /bin/mv -f "$other_icon" "$other_icon_aside"
        fi
    fi
    # mv would put the copy inside a folder standing at the name, and rename(2) cannot replace one.
    if [ -d "$item" ] || { [ -d "$copy" ] && exists "$item"; }; then
        run "move the installed $quoted aside in $folder" /bin/mv -f "$item" "$aside"
    fi
    run "put $quoted in place in $folder" /bin/mv -f "$copy" "$item"
    placed=yes
    if [ -z "$staged_icon" ] && is_loose_layout; then
        # An icon of an earlier install would show beside a layout that came without one.
        /bin/rm -f "$icon" 2>/dev/null
    fi
    # The new item is in place; an old one that resists goes with the next run.
    /bin/rm -rf "$aside" "$icon_aside" "$other_aside" "$other_icon_aside" 2>/dev/null
}

# put_back SAVED TARGET: what stood at TARGET before this run goes back from where it was saved.
put_back() {
    if exists "$1"; then
        /bin/rm -rf "$2" 2>/dev/null
        /bin/mv -f "$1" "$2" 2>/dev/null
    fi
}

# Moved aside first, the item is gone from its name at once; a failed removal after that leaves
# only a temporary item of ours, for the next run to take away.
remove() {
    aside=$(temporary_name "$1" "-old")
    take_lock
    remove_leftovers
    run "remove $quoted from $folder" /bin/mv -f "$item" "$aside"
    run "remove $quoted from $folder" /bin/rm -rf "$aside"
    if is_loose_layout; then
        run "remove the icon of $quoted from $folder" /bin/rm -f "$icon"
    fi
}

# The preferences go through the system's daemon, never written behind its back.
import_login_window() {
    run "change the input sources of the login window" "$defaults" import "$sources_domain" "$sources_file"
    if [ -n "$menu_domain" ]; then
        run "show the input menu at the login window" "$defaults" import "$menu_domain" "$menu_file"
    fi
}

usage() {
    printf '%s %s\n' "usage: ${0##*/} [login-window DEFAULTS DOMAIN FILE MENU-DOMAIN MENU-FILE]" \
        "install FOLDER NAME STAGED ID [ICON] | replace FOLDER NAME STAGED ID OTHER [ICON] | remove FOLDER NAME ID | repair FOLDER NAME ID" >&2
    exit 2
}

if [ "$login_window" = yes ] && [ $# -eq 0 ]; then
    import_login_window
    exit 0
fi

# A name with a slash, or "." or "..", would reach beyond the one item in the folder.
case $name in
    "" | . | .. | */*) usage ;;
esac
if [ "$action" = replace ]; then
    case ${6-} in
        "" | . | .. | */* | "$name") usage ;;
    esac
fi
case "$action $#" in
    "install 5" | "install 6") install "$4" "$5" "${6-}" ;;
    "replace 6" | "replace 7") install "$4" "$5" "${7-}" "$6" ;;
    "remove 4") remove "$4" ;;
    "repair 4")
        exists "$item" || fail "repair $quoted: it is not installed in $folder"
        repaired_icon=
        if is_loose_layout && exists "$icon"; then
            repaired_icon=$icon
        fi
        install "$item" "$4" "$repaired_icon"
        ;;
    *) usage ;;
esac
if [ "$login_window" = yes ]; then
    import_login_window
fi
release_lock
