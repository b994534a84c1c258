import java.awt.Color;
import java.awt.Graphics;
import java.awt.image.BufferedImage;
import java.io.DataInputStream;
import java.io.File;
import java.io.FileInputStream;
import java.io.IOException;
import java.net.URL;
import java.net.URLClassLoader;
import java.util.Locale;

/**
 * Tests of the applet's reading and drawing of the OFF files the desktop program writes, run with
 * -Djava.awt.headless=true: "java OoglOffTest" runs the built-in cases, "java OoglOffTest FILE VERTICES
 * FACES" also reads, counts and draws an OFF file, and
 * "java OoglOffTest --class-dir DIR" checks the applet's class files in DIR. The last output line is
 * "N passed, M failed"; the exit status is 1 on any failure.
 */
public class OoglOffTest {
    /** The shape of file the desktop program writes: a triangle of coloured segments. */
    private static final String EXAMPLE = "OFF\r\n3 3 99\r\n0 0 0\r\n10 0 0\r\n0 10 0\r\n"
            + "2 0 1 1 0.5 0.5\r\n2 1 2 0.5 1 0.5\r\n2 2 0 0.5 0.5 1\r\n";
    /** What the reader makes of EXAMPLE; 0.5 * 255 = 127.5 rounds up to 128. */
    private static final String EXAMPLE_READ =
            "0 0 0; 10 0 0; 0 10 0 | 0 1 (255,128,128); 1 2 (128,255,128); 2 0 (128,128,255);";

    /** Each case: a file as the desktop program writes it, what read() gives for it. */
    private static final String[][] CASES = {
        {EXAMPLE, EXAMPLE_READ},
        {"OFF\r\n0 0 99\r\n", " |"},
        // Point 0, the origin, becomes index -1: read as it stands, skipped when drawn.
        {"OFF\r\n2 2 99\r\n1.5 -0.25 1e+21\r\n4 5 6\r\n2 0 1 1 1 1\r\n2 1 -1 0 0.5 0\r\n",
            "1.5 -0.25 1.0E21; 4 5 6 | 0 1 (255,255,255); 1 -1 (0,128,0);"},
    };

    /** Far from the origin, as the program writes large coordinates. */
    private static final String FAR = "OFF\r\n3 2 99\r\n1e+21 1e+21 1e+21\r\n1.2e+21 1e+21 1e+21\r\n"
            + "1e+21 1.1e+21 1.05e+21\r\n2 0 1 1 0 0\r\n2 1 2 1 0 0\r\n";
    private static final int W = 640;
    private static final int H = 480;

    private static int passed;
    private static int failed;

    public static void main(String[] args) throws Exception {
        if (args.length == 2 && args[0].equals("--class-dir")) {
            classFiles(new File(args[1]));
        } else if (args.length == 0 || args.length == 3) {
            for (String[] c : CASES) {
                String got = read(c[0]);
                check(c[1].equals(got), "<" + c[0] + ">: expected <" + c[1] + "> but got <" + got + ">");
            }
            drawing();
            if (args.length == 3) {
                file(new File(args[0]), Integer.parseInt(args[1]), Integer.parseInt(args[2]));
            }
        } else {
            System.err.println("usage: OoglOffTest [OFF-FILE VERTICES FACES | --class-dir DIR]");
            System.exit(2);
        }
        System.out.println(passed + " passed, " + failed + " failed");
        System.exit(failed == 0 ? 0 : 1);
    }

    private static void check(boolean ok, String what) {
        if (ok) {
            passed++;
        } else {
            failed++;
            System.out.println("FAILED: " + what);
        }
    }

    /** The model as "x y z; ... | indices (r,g,b); ...", or "error: " and the reader's message. */
    private static String read(String text) {
        try {
            OOGL_OFF model = new OOGL_OFF(text);
            StringBuilder s = new StringBuilder();
            double[] v = model.getVertices();
            for (int i = 0; i < v.length; i++) {
                s.append(i % 3 == 0 ? "; " : " ").append(String.valueOf(v[i]).replaceAll("\\.0$", ""));
            }
            s.append(" |");
            for (Face face : model.getFaces()) {
                for (int index : face.getIndices()) {
                    s.append(' ').append(index);
                }
                Color c = face.getColor();
                s.append(" (" + c.getRed() + "," + c.getGreen() + "," + c.getBlue() + ");");
            }
            return s.toString().replaceFirst("^; ", "");
        } catch (IOException e) {
            return "error: " + e.getMessage();
        }
    }

    /** The model drawn as the applet draws it after a drag by dx, dy. */
    private static BufferedImage draw(OOGL_OFF model, int dx, int dy) {
        Matrix3D rotation = new Matrix3D();
        Viewer41.turn(rotation, dx, dy);
        BufferedImage image = new BufferedImage(W, H, BufferedImage.TYPE_INT_RGB);
        Graphics g = image.getGraphics();
        Viewer41.drawModel(g, W, H, model, rotation);
        g.dispose();
        return image;
    }

    private static BufferedImage draw(String text, int dx, int dy) throws IOException {
        return draw(new OOGL_OFF(text), dx, dy);
    }

    /** {minX, minY, maxX, maxY, count} of the pixels of the colour, or of all but black ones when null. */
    private static int[] box(BufferedImage image, Color color) {
        int[] box = {W - 1, H - 1, -1, -1, 0};
        for (int y = 0; y < image.getHeight(); y++) {
            for (int x = 0; x < image.getWidth(); x++) {
                int rgb = image.getRGB(x, y) & 0xffffff;
                if (color == null ? rgb != 0 : rgb == (color.getRGB() & 0xffffff)) {
                    box = new int[] {Math.min(box[0], x), Math.min(box[1], y), Math.max(box[2], x), Math.max(box[3], y),
                        box[4] + 1};
                }
            }
        }
        return box;
    }

    /** Checks that the drawing spans more than half the height, keeps off the border and, if asked, is centred. */
    private static void fits(BufferedImage image, boolean centred, String what) {
        int[] b = box(image, null);
        check(b[0] > 0 && b[1] > 0 && b[2] < W - 1 && b[3] < H - 1 && Math.max(b[2] - b[0], b[3] - b[1]) > H / 2
                && (!centred || Math.abs(b[0] + b[2] - (W - 1)) <= 2 && Math.abs(b[1] + b[3] - (H - 1)) <= 2),
                what + " fits, box " + b[0] + "," + b[1] + " - " + b[2] + "," + b[3]);
    }

    private static void drawing() throws IOException {
        fits(draw(EXAMPLE, 0, 0), true, "example");
        for (int[] drag : new int[][] {{70, 0}, {0, 70}, {-200, 33}}) {
            fits(draw(FAR, drag[0], drag[1]), false, "far segments turned by " + drag[0] + "," + drag[1]);
        }
        BufferedImage origin =
                draw("OFF\r\n2 2 99\r\n-10 0 0\r\n10 0 0\r\n2 0 1 1 1 1\r\n2 1 -1 0 0.5 0\r\n", 0, 0);
        check(box(origin, Color.WHITE)[4] > 200 && box(origin, new Color(0, 128, 0))[4] == 0,
                "a face naming index -1 is skipped");
    }

    /** An OFF file the desktop program wrote: it reads with the given counts and draws. */
    private static void file(File file, int vertices, int faces) throws IOException {
        try (FileInputStream in = new FileInputStream(file)) {
            OOGL_OFF model = new OOGL_OFF(in);
            check(model.getVertexCount() == vertices && model.getFaces().length == faces, file + ": counts "
                    + model.getVertexCount() + " " + model.getFaces().length + ", expected " + vertices + " " + faces);
            check(box(draw(model, 0, 0), null)[4] > 0, file + " is drawn");
        }
    }

    /** Checks that DIR holds just the four applet classes, as Java 8 class files that load by their names. */
    private static void classFiles(File dir) throws Exception {
        String[] names = {"Face", "Matrix3D", "OOGL_OFF", "Viewer41"};
        try (URLClassLoader loader = new URLClassLoader(new URL[] {dir.toURI().toURL()}, null)) {
            for (String name : names) {
                try (DataInputStream in = new DataInputStream(new FileInputStream(new File(dir, name + ".class")))) {
                    check(in.readInt() == 0xCAFEBABE && in.skipBytes(2) == 2 && in.readUnsignedShort() == 52,
                            name + ".class: magic number and major version 52 (Java 8)");
                }
                Class<?> loaded = Class.forName(name, false, loader); // from DIR alone: the loader has no parent
                check(!name.equals("Viewer41") || loaded.getSuperclass() == java.applet.Applet.class,
                        name + " is an applet");
            }
        }
        String[] classes = dir.list((folder, file) -> file.toLowerCase(Locale.ROOT).endsWith(".class"));
        check(classes != null && classes.length == names.length, dir + " holds four class files");
    }
}
