#!/bin/sh
# Runs as root, once an administrator has approved it: puts a staged keyboard layout into a
# Keyboard Layouts folder, or removes one from it.
#
#   install FOLDER NAME STAGED ID [ICON]   copy STAGED into FOLDER as NAME, owned by root:wheel,
#                                          and a loose layout's ICON beside it
#   remove FOLDER NAME ID                  remove FOLDER/NAME and a loose layout's icon
#
# ID (a UUID) names this run's temporary items beside the installed ones. A failed step undoes
# what this run changed, writes one line naming the step on standard error and ends with status 1.
# Programs are named by their full paths: root's PATH is nothing to rely on.

set -u

action=${1-}
folder=${2-}
name=${3-}
item="$folder/$name"
lock="$folder/.keyboard-installer.lock"

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
# item at the same name; so one at a time. A lock whose run has died is taken over.
take_lock() {
    while ! /bin/mkdir "$lock" 2>/dev/null; do
        if [ ! -d "$lock" ]; then
            run "prepare $folder for \"$name\"" /bin/mkdir "$lock"
            break
        fi
        if lock_is_stale; then
            /bin/rm -rf "$lock" 2>/dev/null
        else
            /bin/sleep 0.2
        fi
    done
    owns_lock=yes
    printf '%s\n' "$$" >"$lock/owner"
}

# Stale: its owner has ended, or, should no owner ever have been written, it is minutes old.
lock_is_stale() {
    owner=
    read -r owner 2>/dev/null <"$lock/owner"
    if [ -n "$owner" ]; then
        ! kill -0 "$owner" 2>/dev/null
    else
        [ -n "$(/usr/bin/find "$lock" -prune -mmin +2 2>/dev/null)" ]
    fi
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
    case "$name" in
        *.[Kk][Ee][Yy][Ll][Aa][Yy][Oo][Uu][Tt]) return 0 ;;
        *) return 1 ;;
    esac
}
icon="$folder/${name%.*}.icns"

# The copy is made and finished beside the installed item under a name the system does not load,
# and only then put in its place: a file over a file by one rename; otherwise the old item is
# moved aside first, and back should the second move fail.
install() {
    staged=$1
    staged_icon=${3-}
    copy=$(temporary_name "$2" "")
    aside=$(temporary_name "$2" "-old")
    icon_copy=$(temporary_name "$2" "-icon")
    quoted="\"$name\""
    undo() {
        /bin/rm -rf "$copy" "$icon_copy" 2>/dev/null
        if exists "$aside"; then
            /bin/mv -f "$aside" "$item" 2>/dev/null
        fi
    }

    run "create $folder for $quoted" /bin/mkdir -p "$folder"
    take_lock
    remove_leftovers
    run "copy $quoted into $folder" /usr/bin/ditto "$staged" "$copy"
    run "set the owner of $quoted in $folder" /usr/sbin/chown -R root:wheel "$copy"
    # With "{} +" a failing chmod fails find; with "{} \;" find would not say.
    run "set the permissions of $quoted in $folder" /usr/bin/find "$copy" -type d -exec /bin/chmod 755 {} +
    run "set the permissions of $quoted in $folder" /usr/bin/find "$copy" -type f -exec /bin/chmod 644 {} +
    # Downloads carry a quarantine mark, and the system may ignore a marked layout.
    /usr/bin/xattr -cr "$copy" 2>/dev/null
    if [ -n "$staged_icon" ]; then
        run "copy the icon of $quoted into $folder" /usr/bin/ditto "$staged_icon" "$icon_copy"
        run "set the owner of the icon of $quoted in $folder" /usr/sbin/chown root:wheel "$icon_copy"
        run "set the permissions of the icon of $quoted in $folder" /bin/chmod 644 "$icon_copy"
        /usr/bin/xattr -c "$icon_copy" 2>/dev/null
    fi
    # mv would put the copy inside a folder standing at the name, and rename(2) cannot replace one.
    if [ -d "$item" ] || { [ -d "$copy" ] && exists "$item"; }; then
        run "move the installed $quoted aside in $folder" /bin/mv -f "$item" "$aside"
    fi
    run "put $quoted in place in $folder" /bin/mv -f "$copy" "$item"
    if [ -n "$staged_icon" ]; then
        run "put the icon of $quoted in place in $folder" /bin/mv -f "$icon_copy" "$icon"
    elif is_loose_layout; then
        # An icon of an earlier install would show beside a layout that came without one.
        /bin/rm -f "$icon" 2>/dev/null
    fi
    # The new item is in place; an old one that resists goes with the next run.
    /bin/rm -rf "$aside" 2>/dev/null
}

# Moved aside first, the item is gone from its name at once; a failed removal after that leaves
# only a temporary item of ours, for the next run to take away.
remove() {
    aside=$(temporary_name "$1" "-old")
    take_lock
    remove_leftovers
    run "remove \"$name\" from $folder" /bin/mv -f "$item" "$aside"
    run "remove \"$name\" from $folder" /bin/rm -rf "$aside"
    if is_loose_layout; then
        run "remove the icon of \"$name\" from $folder" /bin/rm -f "$icon"
    fi
}

case "$action $#" in
    "install 5" | "install 6") install "$4" "$5" "${6-}" ;;
    "remove 4") remove "$4" ;;
    *)
        printf '%s\n' "usage: ${0##*/} install FOLDER NAME STAGED ID [ICON] | remove FOLDER NAME ID" >&2
        exit 2
        ;;
esac
release_lock
