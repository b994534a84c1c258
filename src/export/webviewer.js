// Viewer of one exported model. The page embeds the model and the view it was exported with as
// JSON in the element #modell; this script draws it into the canvas #zeichnung as the desktop
// renderer does and changes the view the way the main window does: dragging turns or shifts,
// the wheel and the buttons zoom, the check boxes switch points, lines and axes.
//
// Replay: a URL fragment runs a list of steps once the page has loaded, for scripted checks.
// Steps are separated by ";", each a name, optionally "=" and comma-separated values:
//   drag=x0,y0,x1,y1,...   mouse pressed at (x0, y0), then dragged to each further position
//   rad=n                  wheel turned by n notches; positive zooms out, as on the desktop
//   plus, minus            the zoom buttons
//   modus=rotieren         or modus=verschieben: what dragging does
//   punkte=1, linien=0, achsen=1   the check boxes
//   reset                  the reset button
//   messen=n               draws n times, turning by one pixel's drag before each, and writes
//                          the time taken into #messung
// Example: #modus=verschieben;drag=100,100,130,90;rad=-2;punkte=1
"use strict";

(function () {
    const GRENZE = 3000; // largest row of the point and move tables
    const WEIT = 1e9; // segment ends farther out are clipped before the conversion to pixels
    const RASTE = 120; // one wheel notch, in the units of WheelEvent.wheelDelta

    const daten = JSON.parse(document.getElementById("modell").textContent);
    const canvas = document.getElementById("zeichnung");
    const ctx = canvas.getContext("2d", { alpha: false });
    const feld = (id) => document.getElementById(id);
    const schalter = { punkte: feld("punkte"), linien: feld("linien"), achsen: feld("achsen") };

    // Coordinates that JSON cannot hold arrive as null; they are not finite.
    const punkt = Float64Array.from(daten.punkt, (v) => (v === null ? NaN : v));
    const linie = Int32Array.from(daten.linie);
    const anzPunktZeilen = punkt.length / 3;
    const px = new Float64Array(anzPunktZeilen);
    const py = new Float64Array(anzPunktZeilen);

    const z = {
        neigung: daten.neigung,
        drehung: daten.drehung,
        zoom: daten.zoom,
        origx: daten.origx,
        origy: daten.origy,
        mausx: 0,
        mausy: 0,
        radRest: 0,
    };
    const basis = [
        [0, 0, 0],
        [0, 0, 0],
        [0, 0, 0],
        [0, 0, 0],
    ];

    // The one conversion from a real to an Integer: truncation, saturating, NaN gives 0.
    function ganz(v) {
        if (Number.isNaN(v)) {
            return 0;
        }
        return Math.max(-2147483648, Math.min(2147483647, Math.trunc(v)));
    }

    function rotation2() {
        const f = z.zoom;
        const s1 = Math.sin(z.neigung);
        const c1 = Math.cos(z.neigung);
        const s3 = Math.sin(z.drehung);
        const c3 = Math.cos(z.drehung);
        basis[1][1] = f * c3;
        basis[1][2] = -(f * s1 * s3);
        basis[2][1] = -(f * s3);
        basis[2][2] = -(f * s1 * c3);
        basis[3][1] = 0;
        basis[3][2] = -(f * c1);
    }

    function projizieren() {
        const [b1, b2, b3] = [basis[1], basis[2], basis[3]];
        for (let p = 0; p < anzPunktZeilen; ++p) {
            const x = punkt[3 * p];
            const y = punkt[3 * p + 1];
            const w = punkt[3 * p + 2];
            px[p] = x * b1[1] + y * b2[1] + w * b3[1];
            py[p] = x * b1[2] + y * b2[2] + w * b3[2];
        }
    }

    // Clips the segment to a box (Liang-Barsky); null when nothing of it lies inside.
    function kappen(ax, ay, bx, by, lo, hi, loY, hiY) {
        let t0 = 0;
        let t1 = 1;
        const dx = bx - ax;
        const dy = by - ay;
        const p = [-dx, dx, -dy, dy];
        const q = [ax - lo, hi - ax, ay - loY, hiY - ay];
        for (let i = 0; i < 4; ++i) {
            if (p[i] === 0) {
                if (q[i] < 0) {
                    return null;
                }
                continue;
            }
            const t = q[i] / p[i];
            if (p[i] < 0) {
                t0 = Math.max(t0, t);
            } else {
                t1 = Math.min(t1, t);
            }
            if (t0 > t1) {
                return null;
            }
        }
        return [ax + t0 * dx, ay + t0 * dy, ax + t1 * dx, ay + t1 * dy];
    }

    // A line between the centres of two whole pixels, added to the open path. Only the part
    // near the canvas is kept; a line of one pixel gets a tiny length, as canvas paths drop
    // lines of none.
    function linieZu(ax, ay, bx, by, pen) {
        if (ax === bx && ay === by) {
            bx += 0.01;
        }
        const k = kappen(ax + 0.5, ay + 0.5, bx + 0.5, by + 0.5,
            -pen, daten.breite + pen, -pen, daten.hoehe + pen);
        if (k !== null) {
            ctx.moveTo(k[0], k[1]);
            ctx.lineTo(k[2], k[3]);
        }
    }

    // The segment from point a to point b, skipped when an end is no row of the tables or its
    // screen position is not finite.
    function strecke(a, b, pen) {
        if (a < 0 || a > GRENZE || b < 0 || b > GRENZE) {
            return;
        }
        let ax = px[a] + z.origx;
        let ay = py[a] + z.origy;
        let bx = px[b] + z.origx;
        let by = py[b] + z.origy;
        if (!(Number.isFinite(ax) && Number.isFinite(ay) && Number.isFinite(bx) && Number.isFinite(by))) {
            return;
        }
        if (Math.abs(ax) > WEIT || Math.abs(ay) > WEIT || Math.abs(bx) > WEIT || Math.abs(by) > WEIT) {
            const k = kappen(ax, ay, bx, by, -WEIT, WEIT, -WEIT, WEIT);
            if (k === null) {
                return;
            }
            [ax, ay, bx, by] = k;
        }
        linieZu(ganz(ax), ganz(ay), ganz(bx), ganz(by), pen);
    }

    // The disc inscribed in the size x size box whose corner lies half the size (whole
    // pixels) up and left of point p, added to the open path.
    function scheibe(p, size) {
        const half = Math.trunc(size / 2);
        const x = px[p] - half + z.origx;
        const y = py[p] - half + z.origy;
        if (!Number.isFinite(x) || !Number.isFinite(y)) {
            return;
        }
        scheibeBei(ganz(x), ganz(y), size);
    }

    function scheibeBei(x, y, size) {
        const r = size / 2;
        if (x + size < 0 || y + size < 0 || x > daten.breite || y > daten.hoehe) {
            return;
        }
        ctx.moveTo(x + size, y + r);
        ctx.arc(x + r, y + r, r, 0, 2 * Math.PI);
    }

    function punkte() {
        ctx.beginPath();
        for (let p = 1; p <= daten.anzpkt && p <= GRENZE; ++p) {
            scheibe(p, 5);
        }
        ctx.fillStyle = daten.weiss;
        ctx.fill();
    }

    // Each run of moves of one colour becomes one path.
    function linien() {
        ctx.lineWidth = 1;
        let a = 0;
        let farbe = null;
        for (let l = 1; l <= daten.anzlin && l <= GRENZE; ++l) {
            const b = linie[2 * l];
            const q = linie[2 * l + 1];
            if (q !== 0) {
                const neu = daten.farben[q & 15];
                if (neu !== farbe) {
                    if (farbe !== null) {
                        ctx.stroke();
                    }
                    farbe = neu;
                    ctx.strokeStyle = farbe;
                    ctx.beginPath();
                }
                strecke(a, b, 1);
            }
            a = b;
        }
        if (farbe !== null) {
            ctx.stroke();
        }
    }

    function linienMarke() {
        const d = daten.debuglinie;
        if (d > GRENZE) {
            return;
        }
        const a = d >= 2 ? linie[2 * (d - 1)] : 0;
        ctx.beginPath();
        strecke(a, linie[2 * d], 3);
        ctx.strokeStyle = daten.gruen;
        ctx.lineWidth = 3;
        ctx.stroke();
    }

    function achsen() {
        const s = 100 / z.zoom;
        ctx.fillStyle = daten.rot;
        ctx.strokeStyle = daten.rot;
        ctx.lineWidth = 1;
        ctx.beginPath();
        scheibeBei(z.origx - 2, z.origy - 2, 5);
        ctx.fill();
        ctx.beginPath();
        const spitzen = [];
        for (let k = 1; k <= 3; ++k) {
            const x = ganz(basis[k][1] * s + z.origx);
            const y = ganz(basis[k][2] * s + z.origy);
            spitzen.push([x, y]);
            linieZu(z.origx, z.origy, x, y, 1);
        }
        ctx.stroke();
        ctx.beginPath();
        ["x", "y", "z"].forEach((name, i) => {
            const pixel = daten.zeichen[name];
            for (let j = 0; j < pixel.length; j += 2) {
                ctx.rect(spitzen[i][0] + pixel[j], spitzen[i][1] + pixel[j + 1], 1, 1);
            }
        });
        ctx.fill();
    }

    function zeichnen() {
        projizieren();
        ctx.fillStyle = "#000000";
        ctx.fillRect(0, 0, daten.breite, daten.hoehe);
        if (schalter.punkte.checked) {
            punkte();
        }
        if (daten.debugpkt > 0 && daten.debugpkt <= GRENZE) {
            ctx.beginPath();
            scheibe(daten.debugpkt, 7);
            ctx.fillStyle = daten.gruen;
            ctx.fill();
        }
        if (schalter.linien.checked) {
            linien();
        }
        if (daten.debuglinie > 0) {
            linienMarke();
        }
        if (schalter.achsen.checked) {
            achsen();
        }
        feld("zoom").value = String(z.zoom);
    }

    // Redraws once before the next frame, however many events arrive until then.
    let angefordert = false;
    function anfordern() {
        if (!angefordert) {
            angefordert = true;
            requestAnimationFrame(() => {
                angefordert = false;
                zeichnen();
            });
        }
    }

    const saettigen = (v) => Math.max(-2147483648, Math.min(2147483647, v));

    function mausRunter(x, y) {
        z.mausx = x;
        z.mausy = y;
    }

    // 200 pixels across turn by 3.14 radians about the model's z axis, 200 pixels down tilt by
    // as much; when shifting, the origin follows the mouse.
    function mausZiehen(x, y) {
        if (feld("rotieren").checked) {
            if (x !== z.mausx) {
                z.drehung += ((x - z.mausx) / 200) * 3.14;
                z.mausx = x;
            }
            if (y !== z.mausy) {
                z.neigung += ((y - z.mausy) / 200) * 3.14;
                z.mausy = y;
            }
        } else {
            if (x !== z.mausx) {
                z.origx = saettigen(z.origx + x - z.mausx);
                z.mausx = x;
            }
            if (y !== z.mausy) {
                z.origy = saettigen(z.origy + y - z.mausy);
                z.mausy = y;
            }
        }
        rotation2();
    }

    // Wheel turned by delta notches; positive zooms out. The zoom stays at least 1.
    function mausRad(delta) {
        z.zoom = Math.max(1, saettigen(z.zoom - delta));
        rotation2();
    }

    function zoomRunter() {
        if (z.zoom > 1) {
            z.zoom -= 1;
            rotation2();
        }
    }

    function zoomRauf() {
        z.zoom = saettigen(z.zoom + 1);
        rotation2();
    }

    function zuruecksetzen() {
        z.neigung = daten.startNeigung;
        z.drehung = daten.startDrehung;
        z.origx = ganz(daten.breite / 2);
        z.origy = ganz(daten.hoehe / 2);
        rotation2();
    }

    const position = (e) => [Math.trunc(e.offsetX), Math.trunc(e.offsetY)];

    canvas.addEventListener("pointerdown", (e) => {
        if (e.button === 0) {
            canvas.setPointerCapture(e.pointerId);
            mausRunter(...position(e));
        }
    });
    canvas.addEventListener("pointermove", (e) => {
        if ((e.buttons & 1) !== 0 && canvas.hasPointerCapture(e.pointerId)) {
            mausZiehen(...position(e));
            anfordern();
        }
    });
    canvas.addEventListener(
        "wheel",
        (e) => {
            e.preventDefault();
            // wheelDelta counts 120 per notch, positive away from the reader; browsers without
            // it give deltaY in lines (3 per notch), pages or pixels (100 per notch).
            const proRaste = [100, 3, 1][e.deltaMode];
            z.radRest += e.wheelDelta !== undefined ? e.wheelDelta : (-e.deltaY / proRaste) * RASTE;
            const rasten = Math.trunc(z.radRest / RASTE);
            z.radRest -= rasten * RASTE;
            if (rasten !== 0) {
                mausRad(-rasten);
                anfordern();
            }
        },
        { passive: false },
    );
    feld("kleiner").addEventListener("click", () => {
        zoomRunter();
        anfordern();
    });
    feld("groesser").addEventListener("click", () => {
        zoomRauf();
        anfordern();
    });
    feld("reset").addEventListener("click", () => {
        zuruecksetzen();
        anfordern();
    });
    for (const box of Object.values(schalter)) {
        box.addEventListener("change", anfordern);
    }

    function messen(n) {
        const anfang = performance.now();
        for (let i = 0; i < n; ++i) {
            mausZiehen(z.mausx + 1, z.mausy);
            zeichnen();
            ctx.getImageData(0, 0, 1, 1); // waits until the picture is really drawn
        }
        const ms = performance.now() - anfang;
        feld("messung").textContent = `${n} Bilder in ${ms.toFixed(1)} ms`;
        feld("messung").hidden = false;
    }

    const schritte = {
        drag: (w) => {
            mausRunter(w[0], w[1]);
            for (let i = 2; i + 1 < w.length; i += 2) {
                mausZiehen(w[i], w[i + 1]);
            }
        },
        rad: (w) => mausRad(w[0]),
        plus: zoomRauf,
        minus: zoomRunter,
        reset: zuruecksetzen,
        punkte: (w) => (schalter.punkte.checked = w[0] !== 0),
        linien: (w) => (schalter.linien.checked = w[0] !== 0),
        achsen: (w) => (schalter.achsen.checked = w[0] !== 0),
        messen: (w) => messen(w[0]),
    };

    function abspielen(fragment) {
        for (const schritt of fragment.split(";")) {
            const [name, werte = ""] = schritt.split("=");
            if (name === "modus") {
                feld(werte === "verschieben" ? "verschieben" : "rotieren").checked = true;
            } else if (Object.hasOwn(schritte, name)) {
                schritte[name](werte.split(",").map(Number));
            }
        }
    }

    canvas.width = daten.breite;
    canvas.height = daten.hoehe;
    schalter.punkte.checked = daten.punkte;
    schalter.linien.checked = daten.linien;
    schalter.achsen.checked = daten.achsen;
    rotation2();
    abspielen(decodeURIComponent(location.hash.slice(1)));
    zeichnen();
})();
