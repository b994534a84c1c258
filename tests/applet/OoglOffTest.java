import java.awt.Color;
import java.awt.Graphics;
import java.awt.image.BufferedImage;
import java.io.ByteArrayInputStream;
import java.io.DataInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.io.InputStream;
import java.net.URL;
import java.net.URLClassLoader;
import java.nio.charset.StandardCharsets;
import java.util.Locale;

/**
 * Tests of the applet's OFF reader, transform and drawing; run with
 * -Djava.awt.headless=true.
 * <pre>
 * java OoglOffTest                              built-in cases
 * java OoglOffTest FILE VERTICES FACES          also checks an OFF file
 * java OoglOffTest --class-dir DIR              checks the built class files in DIR
 * </pre>
 * The last output line is "N passed, M failed"; the exit status is 1 on any failure.
 */
public class OoglOffTest {
    private static final String[] APPLET_CLASSES = {"Face", "Matrix3D", "OOGL_OFF", "Viewer41"};

    /** The shape of file the desktop program writes: a triangle of coloured segments. */
    private static final String EXAMPLE = "OFF\r\n3 3 99\r\n0 0 0\r\n10 0 0\r\n0 10 0\r\n"
            + "2 0 1 1 0.5 0.5\r\n2 1 2 0.5 1 0.5\r\n2 2 0 0.5 0.5 1\r\n";

    /**
     * What the reader makes of EXAMPLE. Colours in 0..1 are scaled by 255 and
     * rounded half up: 0.5 * 255 = 127.5 becomes 128.
     */
    private static final String EXAMPLE_READ = "0 0 0; 10 0 0; 0 10 0"
            + " | 0 1 (255,128,128); 1 2 (128,255,128); 2 0 (128,128,255)";

    private static final Color RED = new Color(255, 128, 128);
    private static final Color GREEN = new Color(128, 255, 128);
    private static final Color BLUE = new Color(128, 128, 255);

    private static int passed;
    private static int failed;

    public static void main(String[] args) {
        if (args.length == 2 && args[0].equals("--class-dir")) {
            run("class files", () -> testClassFiles(new File(args[1])));
        } else if (args.length == 0 || args.length == 3) {
            run("reading", OoglOffTest::testReading);
            run("stream", OoglOffTest::testStreamMatchesString);
            run("bounds", OoglOffTest::testBounds);
            run("malformed", OoglOffTest::testMalformed);
            run("matrix", OoglOffTest::testMatrix);
            run("turn", OoglOffTest::testTurn);
            run("draw example", OoglOffTest::testDrawExample);
            run("draw turned", OoglOffTest::testDrawFitsWhenTurned);
            run("draw polygons", OoglOffTest::testDrawClosesPolygons);
            run("draw bad faces", OoglOffTest::testDrawSkipsBadFaces);
            run("draw degenerate", OoglOffTest::testDrawDegenerate);
            run("draw message", OoglOffTest::testDrawMessage);
            if (args.length == 3) {
                run(args[0], () -> testFile(new File(args[0]), Integer.parseInt(args[1]), Integer.parseInt(args[2])));
            }
        } else {
            System.err.println("usage: OoglOffTest [OFF-FILE VERTICES FACES | --class-dir DIR]");
            System.exit(2);
        }
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }

    private interface Group {
        void run() throws Exception;
    }

    /** Runs a group of checks; an exception escaping it counts as one failure. */
    private static void run(String name, Group group) {
        try {
            group.run();
        } catch (Exception e) {
            check(false, name + ": " + e);
        }
    }

    private static void check(boolean ok, String what) {
        if (ok) {
            passed++;
        } else {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }

    private static void checkEquals(Object expected, Object actual, String what) {
        check(expected.equals(actual), what + ": expected <" + expected + "> but got <" + actual + ">");
    }

    // ---- reading ----

    /** Each case: name, file text, expected result in the form of describe(). */
    private static final String[][] READABLE = {
        {"example with CR LF", EXAMPLE, EXAMPLE_READ},
        {"example with LF", EXAMPLE.replace("\r\n", "\n"), EXAMPLE_READ},
        {"example with CR", EXAMPLE.replace("\r\n", "\r"), EXAMPLE_READ},
        {"comments, blank lines and odd whitespace",
            "# exported model\n\nOFF # header\n  \n3 3 99#counts\n# vertices follow\n"
            + "0 0 0\n\t10   0\t0  \n\n0 10 0#top\n"
            + "2 0 1 1 0.5 0.5 # first\n\n2 1 2 0.5 1 0.5\n2 2 0 0.5 0.5 1\n# end\n",
            EXAMPLE_READ},
        {"header missing", EXAMPLE.substring("OFF\r\n".length()), EXAMPLE_READ},
        {"triangle and quad without colour",
            "OFF\n4 2 5\n0 0 0\n1 0 0\n1 1 0\n0 1 0\n3 0 1 2\n4 0 1 2 3\n",
            "0 0 0; 1 0 0; 1 1 0; 0 1 0 | 0 1 2 (192,192,192); 0 1 2 3 (192,192,192)"},
        {"integer and float colours",
            "OFF\n3 6 0\n0 0 0\n1 0 0\n0 1 0\n"
            + "3 0 1 2 255 128 0\n3 0 1 2 0 0 1\n3 0 1 2 0.2 0.4 0.6 0.5\n"
            + "3 0 1 2 10 20 30 255\n3 0 1 2 0 0 1 255\n3 0 1 2 1.0 0 2e-1\n",
            "0 0 0; 1 0 0; 0 1 0 | 0 1 2 (255,128,0); 0 1 2 (0,0,255); 0 1 2 (51,102,153);"
            + " 0 1 2 (10,20,30); 0 1 2 (0,0,1); 0 1 2 (255,0,51)"},
        {"exponents and signs",
            "OFF\n2 1 1\n1e+21 -2.5E-3 +.5\n-1e21 0. 7\n2 0 1\n",
            "1.0E21 -0.0025 0.5; -1.0E21 0 7 | 0 1 (192,192,192)"},
        {"COFF vertex colours are ignored",
            "COFF\n2 1 1\n0 0 0 1 0 0 1\n1 2 3 0 1 0 1\n2 0 1 0 0 1\n",
            "0 0 0; 1 2 3 | 0 1 (0,0,255)"},
        {"NOFF normals are ignored", "NOFF\n1 1 0\n4 5 6 0 0 1\n1 0\n", "4 5 6 | 0 (192,192,192)"},
        {"STCNOFF extras are ignored", "STCNOFF\n1 0 0\n4 5 6 0 0 1 1 1 1 1 0.5 0.5\n", "4 5 6 | "},
        {"4OFF divides by w", "4OFF\n1 0 0\n2 4 6 2\n", "1 2 3 | "},
        {"out-of-range indices are kept", "OFF\n2 2 0\n0 0 0\n1 1 1\n2 0 2\n2 -1 1 1 0 0\n",
            "0 0 0; 1 1 1 | 0 2 (192,192,192); -1 1 (255,0,0)"},
        {"empty model", "OFF\n0 0 0\n", " | "},
        {"lines after the faces are ignored", "OFF\n1 0 0\n1 1 1\n9 9 9\n", "1 1 1 | "},
    };

    private static void testReading() {
        for (String[] c : READABLE) {
            try {
                checkEquals(c[2], describe(new OOGL_OFF(c[1])), c[0]);
            } catch (IOException e) {
                check(false, c[0] + ": " + e.getMessage());
            }
        }
    }

    private static void testStreamMatchesString() throws IOException {
        InputStream in = new ByteArrayInputStream(EXAMPLE.getBytes(StandardCharsets.US_ASCII));
        checkEquals(EXAMPLE_READ, describe(new OOGL_OFF(in)), "reading from a stream");
    }

    private static void testBounds() throws IOException {
        OOGL_OFF model = new OOGL_OFF("OFF\n3 0 0\n1 -2 3\n-4 5 0\n2 2 -6\n");
        checkEquals("-4 -2 -6", format(model.getMin()), "minimum");
        checkEquals("2 5 3", format(model.getMax()), "maximum");
        checkEquals(3, model.getVertexCount(), "vertex count");
    }

    /** Each case: name, file text, expected start of the exception message. */
    private static final String[][] MALFORMED = {
        {"empty file", "", "file is empty"},
        {"only comments", "# nothing\n\n", "file is empty"},
        {"header only", "OFF\n", "line 1: missing line 'vertices faces edges'"},
        {"two counts", "OFF\n3 3\n", "line 2: expected 'vertices faces edges'"},
        {"too few vertices", "OFF\n3 1 3\n0 0 0\n1 0 0\n", "line 2: file has only 2 of 3 vertex lines"},
        {"too few faces", "OFF\n1 2 0\n0 0 0\n1 0\n", "line 2: file has only 1 of 2 face lines"},
        {"huge vertex count", "OFF\n2000000000 1 0\n0 0 0\n", "line 2: file has only 1 of 2000000000 vertex lines"},
        {"count overflows", "OFF\n99999999999 0 0\n", "line 2: integer '99999999999' is too large"},
        {"negative count", "OFF\n-1 0 0\n", "line 2: count -1 is negative"},
        {"non-numeric count", "OFF\n3 x 0\n", "line 2: bad integer 'x'"},
        {"non-numeric coordinate", "OFF\n1 0 0\n0 zero 0\n", "line 3: bad number 'zero'"},
        {"NaN coordinate", "OFF\n1 0 0\n0 NaN 0\n", "line 3: bad number 'NaN'"},
        {"coordinate overflows", "OFF\n1 0 0\n0 1e999 0\n", "line 3: number '1e999' is too large"},
        {"two coordinates", "OFF\n1 0 0\n0 0\n", "line 3: vertex needs 3 coordinates"},
        {"4OFF with three coordinates", "4OFF\n1 0 0\n0 0 0\n", "line 3: vertex needs 4 coordinates"},
        {"4OFF with w = 0", "4OFF\n1 0 0\n1 1 1 0\n", "line 3: w coordinate is 0"},
        {"face without vertices", "OFF\n1 1 0\n0 0 0\n0\n", "line 4: face needs at least one vertex"},
        {"face with too few indices", "OFF\n3 1 0\n0 0 0\n1 0 0\n0 1 0\n3 0 1\n", "line 6: face lists fewer than 3 vertices"},
        {"fractional index", "OFF\n2 1 0\n0 0 0\n1 0 0\n2 0 1.5\n", "line 5: bad integer '1.5'"},
        {"two colour components", "OFF\n2 1 0\n0 0 0\n1 0 0\n2 0 1 1 1\n", "line 5: colour needs 3 or 4 components, not 2"},
        {"five colour components", "OFF\n1 1 0\n0 0 0\n1 0 1 1 1 1 1\n", "line 4: colour needs 3 or 4 components, not 5"},
        {"float colour above 1", "OFF\n1 1 0\n0 0 0\n1 0 1.5 0 0\n", "line 4: colour component 1.5 is outside 0..1"},
        {"integer colour above 255", "OFF\n1 1 0\n0 0 0\n1 0 300 0 0\n", "line 4: colour component 300 is outside 0..255"},
        {"negative colour", "OFF\n1 1 0\n0 0 0\n1 0 -1 0 0\n", "line 4: colour component -1 is outside 0..1"},
        {"non-numeric colour", "OFF\n1 1 0\n0 0 0\n1 0 red 0 0\n", "line 4: bad number 'red'"},
        {"n-dimensional header", "nOFF\n3\n1 0 0\n1 2 3\n", "line 1: unsupported header 'nOFF'"},
        {"binary header", "OFF BINARY\n", "line 1: unsupported header 'OFF BINARY'"},
        {"unknown header", "XOFF\n1 0 0\n1 2 3\n", "line 1: unsupported header 'XOFF'"},
    };

    private static void testMalformed() {
        for (String[] c : MALFORMED) {
            try {
                new OOGL_OFF(c[1]);
                check(false, c[0] + ": no IOException");
            } catch (IOException e) {
                check(e.getMessage().startsWith(c[2]), c[0] + ": message <" + e.getMessage() + ">");
            } catch (RuntimeException e) {
                check(false, c[0] + ": " + e);
            }
        }
    }

    /** Renders the model's vertices, then its faces as "indices (r,g,b)". */
    private static String describe(OOGL_OFF model) {
        StringBuilder text = new StringBuilder();
        double[] v = model.getVertices();
        for (int i = 0; i < model.getVertexCount(); i++) {
            text.append(i > 0 ? "; " : "").append(format(new double[] {v[3 * i], v[3 * i + 1], v[3 * i + 2]}));
        }
        text.append(" | ");
        Face[] faces = model.getFaces();
        for (int f = 0; f < faces.length; f++) {
            for (int index : faces[f].getIndices()) {
                text.append(index).append(' ');
            }
            Color c = faces[f].getColor();
            text.append('(').append(c.getRed()).append(',').append(c.getGreen()).append(',').append(c.getBlue()).append(')');
            text.append(f + 1 < faces.length ? "; " : "");
        }
        return text.toString();
    }

    /** Writes whole numbers without a fraction and the rest as Double.toString does. */
    private static String format(double[] values) {
        StringBuilder text = new StringBuilder();
        for (double value : values) {
            text.append(text.length() > 0 ? " " : "");
            text.append(value == Math.rint(value) && Math.abs(value) < 1e15 ? String.valueOf((long) value) : String.valueOf(value));
        }
        return text.toString();
    }

    // ---- transform ----

    private static int[] apply(Matrix3D m, double x, double y, double z) {
        int[] screen = new int[2];
        m.transform(new double[] {x, y, z}, screen, 1);
        return screen;
    }

    /**
     * Each case: name, steps ("t dx dy dz", "s f", "x deg", "y deg", "z deg"),
     * point, expected x and y. Points are scaled by 100 at the end so that
     * rounding does not hide small errors.
     */
    private static final Object[][] TRANSFORMS = {
        {"identity", "", new double[] {1, 2, 3}, 100, 200},
        {"translate", "t 5 -1 0", new double[] {1, 2, 3}, 600, 100},
        {"scale", "s 2", new double[] {1, 2, 3}, 200, 400},
        {"z rotation turns x to y", "z 90", new double[] {1, 0, 0}, 0, 100},
        {"y rotation turns z to x", "y 90", new double[] {0, 0, 1}, 100, 0},
        {"y rotation keeps y", "y 37", new double[] {0, 1, 0}, 0, 100},
        {"x rotation turns y to z", "x 90", new double[] {0, 1, 0}, 0, 0},
        {"x rotation turns z to -y", "x 90", new double[] {0, 0, 1}, 0, -100},
        {"small angle", "z 30", new double[] {1, 0, 0}, 87, 50},
        {"translate then rotate", "t 1 0 0; z 90", new double[] {0, 0, 0}, 0, 100},
        {"rotate then translate", "z 90; t 1 0 0", new double[] {0, 0, 0}, 100, 0},
        {"scale then translate", "s 3; t 1 1 0", new double[] {1, 1, 0}, 400, 400},
    };

    private static Matrix3D build(String steps) {
        Matrix3D m = new Matrix3D();
        for (String step : steps.split(";")) {
            String[] t = step.trim().split(" ");
            double a = t.length > 1 ? Double.parseDouble(t[1]) : 0;
            if (t[0].equals("t")) {
                m.translate(a, Double.parseDouble(t[2]), Double.parseDouble(t[3]));
            } else if (t[0].equals("s")) {
                m.scale(a);
            } else if (t[0].equals("x")) {
                m.xrot(a);
            } else if (t[0].equals("y")) {
                m.yrot(a);
            } else if (t[0].equals("z")) {
                m.zrot(a);
            }
        }
        return m;
    }

    private static void testMatrix() {
        for (Object[] c : TRANSFORMS) {
            Matrix3D m = build((String) c[1]);
            m.scale(100);
            double[] p = (double[]) c[2];
            int[] screen = apply(m, p[0], p[1], p[2]);
            checkEquals(c[3] + "," + c[4], screen[0] + "," + screen[1], "transform " + c[0]);
        }

        // mult appends: a then b must equal doing b's steps after a's.
        Matrix3D a = build("t 1 2 0; s 2");
        a.mult(build("z 90; t 0 1 0"));
        a.scale(100);
        Matrix3D direct = build("t 1 2 0; s 2; z 90; t 0 1 0");
        direct.scale(100);
        int[] viaMult = apply(a, 3, -1, 2);
        int[] viaSteps = apply(direct, 3, -1, 2);
        checkEquals(viaSteps[0] + "," + viaSteps[1], viaMult[0] + "," + viaMult[1], "mult appends");
        checkEquals("-200,900", viaMult[0] + "," + viaMult[1], "mult result");

        Matrix3D reset = build("t 4 4 4; z 10");
        reset.unit();
        int[] same = apply(reset, 7, 8, 9);
        checkEquals("7,8", same[0] + "," + same[1], "unit resets");
    }

    /** A horizontal drag turns about the vertical axis, a vertical drag about the horizontal one. */
    private static void testTurn() {
        Matrix3D horizontal = new Matrix3D();
        Viewer41.turn(horizontal, 40, 0);
        horizontal.scale(100);
        int[] up = apply(horizontal, 0, 1, 0);
        int[] front = apply(horizontal, 0, 0, 1);
        checkEquals("0,100", up[0] + "," + up[1], "horizontal drag keeps the vertical axis");
        check(front[0] > 0 && front[1] == 0, "horizontal drag to the right moves the front right");

        Matrix3D vertical = new Matrix3D();
        Viewer41.turn(vertical, 0, 40);
        vertical.scale(100);
        int[] side = apply(vertical, 1, 0, 0);
        front = apply(vertical, 0, 0, 1);
        checkEquals("100,0", side[0] + "," + side[1], "vertical drag keeps the horizontal axis");
        // Model y points up on screen, so a downward drag must lower the front.
        check(front[0] == 0 && front[1] < 0, "vertical drag downwards moves the front down");
    }

    // ---- drawing ----

    private static final int WIDTH = 640;
    private static final int HEIGHT = 480;

    private static BufferedImage draw(OOGL_OFF model, Matrix3D rotation) {
        BufferedImage image = new BufferedImage(WIDTH, HEIGHT, BufferedImage.TYPE_INT_RGB);
        Graphics g = image.getGraphics();
        Viewer41.drawModel(g, WIDTH, HEIGHT, model, rotation);
        g.dispose();
        return image;
    }

    /** Returns {minX, minY, maxX, maxY, count} of the pixels of the colour, or of any non-black colour when null. */
    private static int[] pixels(BufferedImage image, Color color) {
        int[] box = {Integer.MAX_VALUE, Integer.MAX_VALUE, -1, -1, 0};
        for (int y = 0; y < image.getHeight(); y++) {
            for (int x = 0; x < image.getWidth(); x++) {
                int rgb = image.getRGB(x, y) & 0xffffff;
                if (color == null ? rgb != 0 : rgb == (color.getRGB() & 0xffffff)) {
                    box[0] = Math.min(box[0], x);
                    box[1] = Math.min(box[1], y);
                    box[2] = Math.max(box[2], x);
                    box[3] = Math.max(box[3], y);
                    box[4]++;
                }
            }
        }
        return box;
    }

    /** Checks that something is drawn, nothing touches the border and the drawing is big. */
    private static void checkFits(BufferedImage image, String what) {
        int[] box = pixels(image, null);
        check(box[4] > 0, what + ": something is drawn");
        check(box[0] > 0 && box[1] > 0 && box[2] < WIDTH - 1 && box[3] < HEIGHT - 1,
                what + ": drawing stays off the border, box " + box[0] + "," + box[1] + " - " + box[2] + "," + box[3]);
        int extent = Math.max(box[2] - box[0], box[3] - box[1]);
        check(extent > HEIGHT / 2, what + ": drawing spans more than half the height, extent " + extent);
    }

    /** Checks that the drawing's box is centred to within a pixel. */
    private static void checkCentred(BufferedImage image, String what) {
        int[] box = pixels(image, null);
        check(Math.abs(box[0] + box[2] - (WIDTH - 1)) <= 2 && Math.abs(box[1] + box[3] - (HEIGHT - 1)) <= 2,
                what + ": drawing is centred, box " + box[0] + "," + box[1] + " - " + box[2] + "," + box[3]);
    }

    private static void testDrawExample() throws IOException {
        BufferedImage image = draw(new OOGL_OFF(EXAMPLE), new Matrix3D());
        checkFits(image, "example");
        checkCentred(image, "example");
        check(pixels(image, Color.BLACK)[4] > WIDTH * HEIGHT / 2, "background is black");

        // Face 0-1 runs along the x axis at the bottom, face 2-0 along the y axis at the left.
        int[] red = pixels(image, RED);
        int[] green = pixels(image, GREEN);
        int[] blue = pixels(image, BLUE);
        check(red[4] > 200 && green[4] > 200 && blue[4] > 200,
                "every face colour is drawn: " + red[4] + ", " + green[4] + ", " + blue[4]);
        check(red[3] - red[1] <= 1 && red[1] > HEIGHT / 2, "red segment is horizontal and low");
        check(blue[2] - blue[0] <= 1 && blue[0] < WIDTH / 2, "blue segment is vertical and left");
        check(green[2] - green[0] > 200 && green[3] - green[1] > 200, "green segment is diagonal");
    }

    private static void testDrawFitsWhenTurned() throws IOException {
        String cube = "OFF\n8 6 12\n-1 -1 -1\n1 -1 -1\n1 1 -1\n-1 1 -1\n-1 -1 1\n1 -1 1\n1 1 1\n-1 1 1\n"
                + "4 0 1 2 3\n4 4 5 6 7\n4 0 1 5 4\n4 2 3 7 6\n4 0 3 7 4\n4 1 2 6 5\n";
        // A segment as long as its bounding box's diagonal fills the whole height when upright.
        String upright = "OFF\n2 1 0\n0 -5 0\n0 5 0\n2 0 1\n";
        String far = "OFF\n3 1 0\n1e21 1e21 1e21\n1.2e21 1e21 1e21\n1e21 1.1e21 1.05e21\n3 0 1 2\n";
        int[][] drags = {{0, 0}, {70, 0}, {0, 70}, {35, 71}, {-200, 33}};
        for (int[] drag : drags) {
            Matrix3D rotation = new Matrix3D();
            Viewer41.turn(rotation, drag[0], drag[1]);
            String turned = " turned by " + drag[0] + "," + drag[1];
            BufferedImage image = draw(new OOGL_OFF(cube), rotation);
            checkFits(image, "cube" + turned);
            checkCentred(image, "cube" + turned);
            checkFits(draw(new OOGL_OFF(upright), rotation), "upright segment" + turned);
            checkFits(draw(new OOGL_OFF(far), rotation), "far triangle" + turned);
        }
    }

    /** Counts the pixels of the colour in one column (x >= 0) or one row (y >= 0). */
    private static int countIn(BufferedImage image, Color color, int x, int y) {
        int count = 0;
        for (int i = 0; i < (x >= 0 ? HEIGHT : WIDTH); i++) {
            int rgb = x >= 0 ? image.getRGB(x, i) : image.getRGB(i, y);
            count += rgb == color.getRGB() ? 1 : 0;
        }
        return count;
    }

    /** A face of three or more vertices is drawn as a closed outline, including the edge back to its start. */
    private static void testDrawClosesPolygons() throws IOException {
        String text = "OFF\n3 1 0\n0 0 0\n10 0 0\n0 10 0\n3 0 1 2 1 0 0\n";
        BufferedImage image = draw(new OOGL_OFF(text), new Matrix3D());
        int[] box = pixels(image, Color.RED);
        check(countIn(image, Color.RED, -1, box[3]) > 200, "triangle has its bottom edge");
        check(countIn(image, Color.RED, box[0], -1) > 200, "triangle has its closing left edge");
    }

    private static void testDrawSkipsBadFaces() throws IOException {
        String text = "OFF\n3 4 99\n0 0 0\n10 0 0\n0 10 0\n"
                + "2 0 1 1 0 0\n2 0 3 0 1 0\n2 -1 2 0 0 1\n3 0 1 2000000000 1 1 0\n";
        OOGL_OFF model = new OOGL_OFF(text);
        checkEquals(4, model.getFaces().length, "reader keeps faces with bad indices");
        BufferedImage image = draw(model, new Matrix3D());
        check(pixels(image, Color.RED)[4] > 200, "the valid face is drawn");
        check(pixels(image, Color.GREEN)[4] == 0, "face with index = vertex count is skipped");
        check(pixels(image, Color.BLUE)[4] == 0, "face with index -1 is skipped");
        check(pixels(image, Color.YELLOW)[4] == 0, "face with a huge index is skipped");
    }

    private static void testDrawDegenerate() throws IOException {
        String[][] cases = {
            {"no vertices", "OFF\n0 0 0\n", "0"},
            {"one point", "OFF\n1 1 0\n5 5 5\n1 0 1 1 1\n", "1"},
            {"all vertices equal", "OFF\n2 1 0\n3 3 3\n3 3 3\n2 0 1 1 1 1\n", "1"},
        };
        for (String[] c : cases) {
            try {
                int[] box = pixels(draw(new OOGL_OFF(c[1]), new Matrix3D()), null);
                checkEquals(c[2], String.valueOf(box[4]), c[0] + ": pixels drawn");
                if (box[4] == 1) {
                    checkEquals(WIDTH / 2 + "," + HEIGHT / 2, box[0] + "," + box[1], c[0] + ": point in the centre");
                }
            } catch (RuntimeException e) {
                check(false, c[0] + ": " + e);
            }
        }
    }

    private static void testDrawMessage() {
        BufferedImage image = new BufferedImage(WIDTH, HEIGHT, BufferedImage.TYPE_INT_RGB);
        Graphics g = image.getGraphics();
        g.setColor(Color.RED);
        g.fillRect(0, 0, WIDTH, HEIGHT);
        Viewer41.drawMessage(g, WIDTH, HEIGHT, "Modell nicht lesbar: line 3: bad number 'x'");
        g.dispose();
        int[] text = pixels(image, Color.WHITE);
        check(pixels(image, Color.RED)[4] == 0, "message clears the old picture");
        check(text[4] > 50, "message text is drawn");
        check(text[1] > HEIGHT / 3 && text[3] < 2 * HEIGHT / 3, "message is in the middle third");
    }

    // ---- files from outside ----

    /** Checks an OFF file written by the desktop program: it reads, has the expected counts and draws. */
    private static void testFile(File file, int vertices, int faces) throws IOException {
        try (InputStream in = new FileInputStream(file)) {
            OOGL_OFF model = new OOGL_OFF(in);
            checkEquals(vertices, model.getVertexCount(), file + ": vertices");
            checkEquals(faces, model.getFaces().length, file + ": faces");
            draw(model, new Matrix3D());
        }
    }

    /**
     * Checks that DIR holds the four applet classes as Java 8 class files
     * (magic 0xCAFEBABE, major version 52) that load under their own names.
     */
    private static void testClassFiles(File dir) throws IOException {
        URLClassLoader loader = new URLClassLoader(new URL[] {dir.toURI().toURL()}, null);
        for (String name : APPLET_CLASSES) {
            File file = new File(dir, name + ".class");
            try (DataInputStream in = new DataInputStream(new FileInputStream(file))) {
                checkEquals(0xCAFEBABE, in.readInt(), file + ": magic");
                in.readUnsignedShort(); // minor version
                checkEquals(52, in.readUnsignedShort(), file + ": major version");
                Class<?> loaded = Class.forName(name, false, loader);
                check(loaded.getClassLoader() == loader, file + ": loaded from " + dir);
            } catch (IOException | ClassNotFoundException | LinkageError e) {
                check(false, file + ": " + e);
            }
        }
        try {
            Class<?> viewer = Class.forName("Viewer41", false, loader);
            checkEquals("java.applet.Applet", viewer.getSuperclass().getName(), "Viewer41 superclass");
        } catch (ClassNotFoundException e) {
            check(false, "Viewer41: " + e);
        }
        loader.close();
        String[] present = dir.list();
        int classFiles = 0;
        for (String file : present == null ? new String[0] : present) {
            classFiles += file.toLowerCase(Locale.ROOT).endsWith(".class") ? 1 : 0;
        }
        checkEquals(APPLET_CLASSES.length, classFiles, dir + ": number of class files");
    }
}
