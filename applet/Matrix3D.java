/**
 * An affine 3D transform, stored as the top three rows of a 4x4 matrix.
 * A point p is mapped to M * (p, 1). Every operation appends a step: it acts
 * on the points after all earlier steps, so the calls read in the order the
 * steps happen.
 */
public final class Matrix3D {
    private final double[][] m = new double[3][4];

    /** Creates the identity transform. */
    public Matrix3D() {
        unit();
    }

    /** Resets to the identity transform. */
    public void unit() {
        for (int row = 0; row < 3; row++) {
            for (int col = 0; col < 4; col++) {
                m[row][col] = row == col ? 1 : 0;
            }
        }
    }

    public void scale(double factor) {
        scale(factor, factor, factor);
    }

    public void scale(double sx, double sy, double sz) {
        double[] factors = {sx, sy, sz};
        for (int row = 0; row < 3; row++) {
            for (int col = 0; col < 4; col++) {
                m[row][col] *= factors[row];
            }
        }
    }

    public void translate(double dx, double dy, double dz) {
        m[0][3] += dx;
        m[1][3] += dy;
        m[2][3] += dz;
    }

    /** Rotates about the x axis, turning y towards z. */
    public void xrot(double degrees) {
        rotate(1, 2, degrees);
    }

    /** Rotates about the y axis, turning z towards x. */
    public void yrot(double degrees) {
        rotate(2, 0, degrees);
    }

    /** Rotates about the z axis, turning x towards y. */
    public void zrot(double degrees) {
        rotate(0, 1, degrees);
    }

    /** Appends the transform next: the result applies this one first, then next. */
    public void mult(Matrix3D next) {
        double[][] product = new double[3][4];
        for (int row = 0; row < 3; row++) {
            for (int col = 0; col < 4; col++) {
                double sum = col == 3 ? next.m[row][3] : 0;
                for (int k = 0; k < 3; k++) {
                    sum += next.m[row][k] * m[k][col];
                }
                product[row][col] = sum;
            }
        }
        for (int row = 0; row < 3; row++) {
            System.arraycopy(product[row], 0, m[row], 0, 4);
        }
    }

    /**
     * Maps count points given as x, y, z triples to rounded x, y pairs;
     * the transformed z is dropped, which makes this a parallel projection.
     */
    public void transform(double[] xyz, int[] screen, int count) {
        for (int i = 0; i < count; i++) {
            double x = xyz[3 * i], y = xyz[3 * i + 1], z = xyz[3 * i + 2];
            screen[2 * i] = (int) Math.round(m[0][0] * x + m[0][1] * y + m[0][2] * z + m[0][3]);
            screen[2 * i + 1] = (int) Math.round(m[1][0] * x + m[1][1] * y + m[1][2] * z + m[1][3]);
        }
    }

    /** Appends a rotation in the plane of axes a and b that turns a towards b. */
    private void rotate(int a, int b, double degrees) {
        double radians = Math.toRadians(degrees);
        double c = Math.cos(radians), s = Math.sin(radians);
        for (int col = 0; col < 4; col++) {
            double ra = m[a][col], rb = m[b][col];
            m[a][col] = ra * c - rb * s;
            m[b][col] = ra * s + rb * c;
        }
    }
}
