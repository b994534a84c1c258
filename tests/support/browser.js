// Drives headless Chromium through its DevTools protocol over --remote-debugging-pipe, with
// real input events. Usage: node browser.js CHROMIUM PROFILE STEPS.json
// Steps, run in order; each returns what it saw into the printed JSON array:
//   {"laden": url, "breite": w, "hoehe": h, "mobil": bool}   viewport, then load and wait
//   {"tasten": ["Tab", "Shift+Tab", "ArrowRight", "+", ...]}  key presses
//   {"maus": [x0, y0, x1, y1, ...]}  left button pressed at the first position, moved, released
//   {"rad": [x, y, deltaY]}          one wheel event
//   {"finger": [[[x, y], ...], ...]} touch points per moment: first press, last release
//   {"js": expression}               its value (promises awaited)
//   {"cdp": method}                  the protocol method's result
//   {"bild": true}                   after the next frame, #zeichnung's pixels as a data URL
// The last entry lists the URLs of all requests the pages made.
"use strict";
const { spawn } = require("child_process");
const fs = require("fs");

const [chromium, profil, datei] = process.argv.slice(2);
const browser = spawn(
    chromium,
    ["--headless=new", "--no-sandbox", "--disable-gpu", "--hide-scrollbars", "--mute-audio", "--disable-smooth-scrolling",
        "--remote-debugging-pipe", `--user-data-dir=${profil}`, "about:blank"],
    { stdio: ["ignore", "ignore", "ignore", "pipe", "pipe"] },
);
const offen = new Map();
const anfragen = [];
let nummer = 0;
let sitzung;
let geladen = () => {};
let rest = "";
browser.stdio[4].setEncoding("utf8");
browser.stdio[4].on("data", (teil) => {
    const nachrichten = (rest + teil).split("\0");
    rest = nachrichten.pop();
    for (const n of nachrichten.map((t) => JSON.parse(t))) {
        if (offen.has(n.id)) {
            offen.get(n.id)(n);
        } else if (n.method === "Page.loadEventFired") {
            geladen();
        } else if (n.method === "Network.requestWillBeSent") {
            anfragen.push(n.params.request.url);
        }
    }
});

function senden(method, params = {}) {
    const id = ++nummer;
    browser.stdio[3].write(`${JSON.stringify({ id, method, params, sessionId: sitzung })}\0`);
    return new Promise((fertig, fehler) =>
        offen.set(id, (n) => (n.error ? fehler(new Error(`${method}: ${n.error.message}`)) : fertig(n.result))),
    );
}

async function js(expression) {
    const r = await senden("Runtime.evaluate", { expression, awaitPromise: true, returnByValue: true });
    return r.result.value;
}

const codes = { Tab: 9, Backspace: 8, " ": 32, Home: 36, ArrowLeft: 37, ArrowUp: 38, ArrowRight: 39, ArrowDown: 40 };
async function taste(name) {
    const key = name.replace("Shift+", "");
    const art = { key, windowsVirtualKeyCode: codes[key] || key.charCodeAt(0), modifiers: name === key ? 0 : 8 };
    const text = key.length === 1 ? key : undefined;
    await senden("Input.dispatchKeyEvent", { type: text ? "keyDown" : "rawKeyDown", text, ...art });
    await senden("Input.dispatchKeyEvent", { type: "keyUp", ...art });
}

const schritte = {
    laden: async (s) => {
        await senden("Emulation.setDeviceMetricsOverride",
            { width: s.breite, height: s.hoehe, deviceScaleFactor: 1, mobile: s.mobil });
        await senden("Emulation.setTouchEmulationEnabled", { enabled: s.mobil });
        const fertig = new Promise((f) => (geladen = f));
        await senden("Page.navigate", { url: s.laden });
        await fertig;
    },
    tasten: async (s) => {
        for (const name of s.tasten) {
            await taste(name);
        }
    },
    maus: async (s) => {
        const w = s.maus;
        const art = (type, i, buttons) => ({ type, x: w[i], y: w[i + 1], button: "left", buttons, clickCount: 1 });
        await senden("Input.dispatchMouseEvent", art("mousePressed", 0, 1));
        for (let i = 2; i < w.length; i += 2) {
            await senden("Input.dispatchMouseEvent", art("mouseMoved", i, 1));
        }
        await senden("Input.dispatchMouseEvent", art("mouseReleased", w.length - 2, 0));
    },
    rad: async (s) => {
        const [x, y, deltaY] = s.rad;
        await senden("Input.dispatchMouseEvent", { type: "mouseWheel", x, y, deltaX: 0, deltaY });
    },
    finger: async (s) => {
        const punkte = (i) => s.finger[i].map(([x, y], id) => ({ x, y, id }));
        await senden("Input.dispatchTouchEvent", { type: "touchStart", touchPoints: punkte(0) });
        for (let i = 1; i < s.finger.length; ++i) {
            await senden("Input.dispatchTouchEvent", { type: "touchMove", touchPoints: punkte(i) });
        }
        await senden("Input.dispatchTouchEvent", { type: "touchEnd", touchPoints: [] });
    },
    js: (s) => js(s.js),
    cdp: (s) => senden(s.cdp),
    bild: () => js(`new Promise((fertig) => requestAnimationFrame(() => requestAnimationFrame(() =>
        fertig(document.getElementById("zeichnung").toDataURL()))))`),
};

async function ablauf() {
    const { targetInfos } = await senden("Target.getTargets");
    const seite = targetInfos.find((t) => t.type === "page");
    sitzung = (await senden("Target.attachToTarget", { targetId: seite.targetId, flatten: true })).sessionId;
    await senden("Page.enable");
    await senden("Network.enable");
    const ergebnisse = [];
    for (const s of JSON.parse(fs.readFileSync(datei, "utf8"))) {
        const name = Object.keys(schritte).find((n) => n in s);
        ergebnisse.push((await schritte[name](s)) ?? null);
    }
    ergebnisse.push(anfragen);
    return ergebnisse;
}

ablauf()
    .then((ergebnisse) => process.stdout.write(JSON.stringify(ergebnisse)), (fehler) => {
        process.stderr.write(`${fehler.stack}\n`);
        process.exitCode = 1;
    })
    .finally(() => browser.kill());
