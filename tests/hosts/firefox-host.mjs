// SPDX-License-Identifier: MIT
// The page in Firefox ESR for tests/hosts/firefox.py: Debian's firefox-esr,
// headless, driven over WebDriver BiDi by puppeteer-core (Debian has no
// geckodriver). It reads one request a line on standard input and answers
// each with one JSON line on standard output:
//
//   start            the page opened, once the program has started
//   stop             the program left to go when the next one starts
//   act COMMAND      COMMAND (a JSON array, as tests/drive parsed it) done
//                    with real browser input; answers {"ended": BOOL}
//   state            what the window shows, as the state script returns it,
//                    or null once the program has ended
//
// Anything that goes wrong answers {"error": "..."}. The scenario files are
// read by tests/drive alone; this only performs one command at a time.
//
//   node firefox-host.mjs NODE_MODULES PROFILE PAGE LISTEN_SCRIPT STATE_SCRIPT
//
// LISTEN_SCRIPT runs in the page once the program has started, and
// STATE_SCRIPT (a function's body) each time the state is read.
// PROFILE is a fresh folder: the browser's profile, its home, temporary
// folder and runtime directory all go in it. The network is cut by the
// profile's settings (every connection through a proxy where nothing
// listens, no name look-ups): the page opens from disk and needs nothing.
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import readline from 'node:readline';
import { pathToFileURL } from 'node:url';

const [modules, profile, page, listenScript, stateScript] = process.argv.slice(2);
const puppeteer = createRequire(path.join(modules, 'lexidor.js'))('puppeteer-core');

const FIREFOX = '/usr/bin/firefox-esr';
// The Chromium host's window, as the page's viewport.
const VIEWPORT = { width: 800, height: 640 };
const ROWS = 61;

// WebDriver's key values: Return is the main Enter key, Enter the keypad's.
const K = {
    Backspace: '\uE003', Tab: '\uE004', Return: '\uE006', KeypadEnter: '\uE007', Shift: '\uE008',
    Control: '\uE009', Alt: '\uE00A', Space: ' ', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010',
    Home: '\uE011', Left: '\uE012', Up: '\uE013', Right: '\uE014', Down: '\uE015', Delete: '\uE017',
};
const BOX_KEYS = {
    Enter: K.Return, KeypadEnter: K.KeypadEnter, Backspace: K.Backspace, Shift: K.Shift, Left: K.Left,
    Right: K.Right, Home: K.Home, End: K.End, Delete: K.Delete,
};
const LIST_KEYS = {
    Enter: K.Return, Space: K.Space, Up: K.Up, Down: K.Down, PageUp: K.PageUp, PageDown: K.PageDown,
    Home: K.Home, End: K.End,
};

// Settings a user may have as well; none changes what the page does.
const PREFS = {
    // No connection leaves the browser: a proxy on the discard port, for
    // every protocol and for this machine's own addresses too.
    'network.proxy.type': 1,
    'network.proxy.http': '127.0.0.1',
    'network.proxy.http_port': 9,
    'network.proxy.share_proxy_settings': true,
    'network.proxy.no_proxies_on': '',
    'network.proxy.allow_hijacking_localhost': true,
    'network.dns.disabled': true,
    'network.captive-portal-service.enabled': false,
    'network.connectivity-service.enabled': false,
    // puppeteer's profile lets files read one another; Firefox's own
    // default does not.
    'security.fileuri.strict_origin_policy': true,
    // A wheel step scrolls at once, not over the next frames.
    'general.smoothScroll': false,
};

let browser = null;
let tab = null;
let ended = false;
let last = null; // the state after the last command, read once the page settled

function send(reply) {
    process.stdout.write(JSON.stringify(reply) + '\n');
}

async function launch() {
    const home = path.join(profile, 'home');
    const tmp = path.join(profile, 'tmp');
    const run = path.join(profile, 'run');
    for (const folder of [home, tmp])
        fs.mkdirSync(folder, { recursive: true });
    fs.mkdirSync(run, { recursive: true, mode: 0o700 });
    const env = {
        PATH: process.env.PATH, LANG: 'es_ES.UTF-8', HOME: home, TMPDIR: tmp, XDG_RUNTIME_DIR: run,
        XDG_CONFIG_HOME: path.join(home, '.config'), XDG_CACHE_HOME: path.join(home, '.cache'),
        XDG_DATA_HOME: path.join(home, '.local', 'share'), MOZ_CRASHREPORTER_DISABLE: '1',
    };
    browser = await puppeteer.launch({
        browser: 'firefox', executablePath: FIREFOX, headless: true, userDataDir: path.join(profile, 'profile'),
        env, extraPrefsFirefox: PREFS, defaultViewport: VIEWPORT, protocolTimeout: 30000,
    });
}

// The state once every event the last command caused has run, a frame
// (where the list's scroll events are dispatched) included.
async function settle() {
    if (ended || tab.isClosed())
        return null;
    try {
        return await tab.evaluate(`new Promise(done => requestAnimationFrame(() => done((() => {${stateScript}})())))`);
    } catch (e) {
        if (tab.isClosed())
            return null;
        throw e;
    }
}

async function endedNow() {
    if (tab.isClosed())
        return true;
    try {
        return await tab.evaluate("!document.getElementById('frmLexidor') && !!document.getElementById('ended')");
    } catch (e) {
        if (tab.isClosed())
            return true;
        throw e;
    }
}

// A program starts in a fresh tab, or in the tab of the one before, whose
// page it replaces as the file opened again there would (with one entry in
// the tab's history all along, so that the page may still close its tab).
// A new tab costs Firefox about a second, a new page in the same tab a
// tenth of that.
async function start() {
    if (!browser)
        await launch();
    const url = pathToFileURL(page).href;
    ended = false;
    last = null;
    if (tab && !tab.isClosed()) {
        await tab.evaluate(`window.lexidorReplaced = true; location.replace(${JSON.stringify(url)})`);
    } else {
        tab = await browser.newPage();
        await tab.goto(url);
    }
    const deadline = Date.now() + 10000;
    for (;;) {
        try {
            if (await tab.evaluate("!window.lexidorReplaced && !!window.Module && document.activeElement?.id === 'txtBuscar'")) {
                await tab.evaluate(`(() => {${listenScript}})()`);
                return;
            }
        } catch (e) {
            // The page before is going, the new one not there yet.
        }
        if (Date.now() > deadline)
            throw new Error('the page did not start: ' + (await tab.evaluate('document.body ? document.body.innerText : ""')));
        await new Promise(r => setTimeout(r, 20));
    }
}

// The program goes when the next one replaces it, or with the browser.
async function stop() {
}

// Keys meant for one control reach it whatever has the focus, as the
// desktop drivers send them to the control itself: the control gets the
// focus for them, and the focus goes back after (no click, so no Click).
async function keysTo(name, send) {
    if ((await tab.evaluate('document.activeElement ? document.activeElement.id : ""')) === name) {
        await send();
        return;
    }
    await tab.evaluate(`window.lexidorFocusBefore = document.activeElement; document.getElementById('${name}').focus()`);
    await send();
    await tab.evaluate(`if (document.getElementById('frmLexidor'))
                            window.lexidorFocusBefore.focus();
                        delete window.lexidorFocusBefore`);
}

// A key event WebDriver has no key for (Caps Lock), or only its release
// (Alt's, with no press before it): from the page's script, to the focused
// control, with the key code a keyboard gives it.
async function scriptKey(type, key, code, keyCode) {
    await tab.evaluate(`(() => {
        const e = new KeyboardEvent('${type}', {key: '${key}', code: '${code}', bubbles: true, cancelable: true});
        Object.defineProperty(e, 'keyCode', {get: () => ${keyCode}});
        (document.activeElement || document.body).dispatchEvent(e);
    })()`);
}

async function rect(id) {
    return tab.evaluate(`(() => {
        const r = document.getElementById('${id}').getBoundingClientRect();
        return {left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height};
    })()`);
}

// The list turned with the mouse wheel until row N is in sight, as a user
// brings a row into view; the wheel goes by whole pixels, the ones between
// the row and the list's nearest edge. The list hears of it through its
// scroll event, in the next frame.
async function scrollToRow(row) {
    const need = await tab.evaluate(`(() => {
        const list = document.getElementById('lstLista'), r = list.getBoundingClientRect();
        const o = document.getElementById('lstLista-${row}').getBoundingClientRect();
        const top = r.top + list.clientTop, bottom = top + list.clientHeight;
        const delta = o.top < top ? o.top - top : o.bottom > bottom ? o.bottom - bottom : 0;
        return {delta, x: r.left + list.clientWidth / 2, y: top + list.clientHeight / 2,
                max: list.scrollHeight - list.clientHeight, from: list.scrollTop};
    })()`);
    if (need.delta === 0)
        return;
    const to = Math.max(0, Math.min(need.max, need.from + need.delta));
    await tab.mouse.move(need.x, need.y);
    await tab.mouse.wheel({ deltaY: need.delta });
    const deadline = Date.now() + 5000;
    while (Math.abs((await tab.evaluate("document.getElementById('lstLista').scrollTop")) - to) >= 1) {
        if (Date.now() > deadline)
            throw new Error(`the wheel did not bring row ${row} into view`);
        await new Promise(r => setTimeout(r, 10));
    }
    await tab.evaluate('new Promise(done => requestAnimationFrame(() => done()))');
}

// A notch of the wheel over the list: three rows' pixels, as a notch
// scrolls a list on the desktop.
async function wheelNotch(direction) {
    const at = await tab.evaluate(`(() => {
        const list = document.getElementById('lstLista'), r = list.getBoundingClientRect();
        return {x: r.left + list.clientWidth / 2, y: r.top + list.clientHeight / 2,
                delta: 3 * list.firstElementChild.getBoundingClientRect().height};
    })()`);
    await tab.mouse.move(at.x, at.y);
    await tab.mouse.wheel({ deltaY: direction * at.delta });
    await tab.evaluate('new Promise(done => requestAnimationFrame(() => requestAnimationFrame(() => done())))');
}

async function rowPoint(row) {
    await scrollToRow(row);
    const r = await rect(`lstLista-${row}`);
    return [r.left + r.width / 2, r.top + r.height / 2];
}

// To the right of the box's text, where the caret goes to the end.
async function boxPoint() {
    const r = await rect('txtBuscar');
    return [r.right - 4, r.top + r.height / 2];
}

async function centre(id) {
    const r = await rect(id);
    return [r.left + r.width / 2, r.top + r.height / 2];
}

const ENDING = new Set(['alt+c', 'click cerrar', 'close']);

// True once the tab has gone, waiting up to `ms` for it.
async function closedWithin(ms) {
    const deadline = Date.now() + ms;
    while (!tab.isClosed() && Date.now() < deadline)
        await new Promise(r => setTimeout(r, 20));
    return tab.isClosed();
}

async function act(command) {
    try {
        await perform(command);
    } catch (e) {
        // The page closed its tab in the middle of the command (Alt+C, before
        // Alt is released): the rest of it has nowhere to go.
        if (!(await closedWithin(3000)))
            throw e;
    }
    last = null;
    // The browser closes a tab a moment after the page asks it to.
    const deadline = Date.now() + (ENDING.has(command[0]) ? 3000 : 0);
    for (;;) {
        last = await settle();
        ended = last === null && (await endedNow());
        if (ended || Date.now() >= deadline)
            break;
        await new Promise(r => setTimeout(r, 20));
    }
    return { ended };
}

async function perform(command) {
    const [name, argument] = command;
    const mouse = tab.mouse, keyboard = tab.keyboard;
    switch (name) {
    case 'type':
        // Each character pressed and released: the browser inserts it.
        await keysTo('txtBuscar', () => keyboard.type(argument));
        break;
    case 'insert':
        await keysTo('txtBuscar', () =>
            tab.evaluate(`document.execCommand('insertText', false, ${JSON.stringify(argument)})`));
        break;
    case 'key':
        await keysTo('txtBuscar', () => argument === 'CapsLock'
            ? scriptKey('keydown', 'CapsLock', 'CapsLock', 20).then(() => scriptKey('keyup', 'CapsLock', 'CapsLock', 20))
            : keyboard.press(BOX_KEYS[argument]));
        break;
    case 'listkey':
        await keysTo('lstLista', () => keyboard.press(LIST_KEYS[argument] ?? argument.toLowerCase()));
        break;
    case 'release Alt':
        await keysTo('txtBuscar', () => scriptKey('keyup', 'Alt', 'AltLeft', 18));
        break;
    case 'click box':
        await mouse.click(...(await boxPoint()));
        break;
    case 'rightclick box':
        await mouse.click(...(await boxPoint()), { button: 'right' });
        break;
    case 'middleclick box':
        await mouse.click(...(await boxPoint()), { button: 'middle' });
        break;
    case 'dblclick box':
        await mouse.click(...(await boxPoint()), { count: 2 });
        break;
    case 'drag box': {
        // Pressed inside, released outside, to the right.
        const [x, y] = await boxPoint();
        await mouse.move(x, y);
        await mouse.down();
        await mouse.move(x + 24, y);
        await mouse.up();
        break;
    }
    case 'enter on Buscar':
        await tab.evaluate("document.getElementById('cmdBuscar').focus()");
        await keyboard.press(K.Return);
        break;
    case 'click buscar':
        await mouse.click(...(await centre('cmdBuscar')));
        break;
    case 'wheel down':
    case 'wheel up':
        await wheelNotch(name === 'wheel down' ? 1 : -1);
        break;
    case 'select':
        await mouse.click(...(await rowPoint(argument)));
        break;
    case 'rightclick':
        await mouse.click(...(await rowPoint(argument)), { button: 'right' });
        break;
    case 'dblclick':
        await mouse.click(...(await rowPoint(argument)), { count: 2 });
        break;
    case 'dblclick below': {
        await scrollToRow(ROWS - 1);
        // A point of the list that is no row: below the last one, or its
        // bottom border where the rows fill the list exactly.
        const point = await tab.evaluate(`(() => {
            const list = document.getElementById('lstLista'), r = list.getBoundingClientRect();
            const x = Math.round(r.left + r.width / 2);
            for (let y = Math.floor(r.bottom - 1); y > r.top; --y)
                if (document.elementFromPoint(x, y) === list)
                    return [x, y];
            return null;
        })()`);
        if (!point)
            throw new Error('the list has no point below its rows');
        await mouse.click(...point, { count: 2 });
        break;
    }
    case 'tab':
        await keyboard.press(K.Tab);
        break;
    case 'shift+tab':
    case 'ctrl+tab': {
        const modifier = name === 'shift+tab' ? K.Shift : K.Control;
        await keyboard.down(modifier);
        await keyboard.press(K.Tab);
        await keyboard.up(modifier);
        break;
    }
    case 'activate': {
        // Another tab comes to the front, then this one again.
        const other = await browser.newPage();
        await other.bringToFront();
        await other.close();
        await tab.bringToFront();
        break;
    }
    case 'alt+c':
        await keyboard.down(K.Alt);
        await keyboard.press('c');
        await keyboard.up(K.Alt);
        break;
    case 'click cerrar':
        await mouse.click(...(await centre('mnuCerrar')));
        break;
    case 'close':
        // The tab's own close control.
        await tab.close();
        break;
    default:
        throw new Error('no such command: ' + JSON.stringify(command));
    }
}

async function handle(line) {
    const space = line.indexOf(' ');
    const request = space < 0 ? line : line.slice(0, space);
    switch (request) {
    case 'start':
        await start();
        return { started: true };
    case 'stop':
        await stop();
        return { stopped: true };
    case 'act':
        return act(JSON.parse(line.slice(space + 1)));
    case 'state':
        if (last === null && !ended)
            last = await settle();
        return { state: last };
    default:
        throw new Error('no such request: ' + request);
    }
}

const input = readline.createInterface({ input: process.stdin, terminal: false });
for await (const line of input) {
    try {
        send(await handle(line));
    } catch (e) {
        send({ error: String(e && e.message ? e.message : e).split('\n')[0] });
    }
}
if (browser)
    await browser.close();
